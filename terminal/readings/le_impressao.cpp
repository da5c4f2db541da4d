#include "readings/le_impressao.h"

#include "driver/execucao.h"
#include "quorbal/catalogo.h"

namespace tarnel {

bool ExecutaLeImpressao(TfrmMain& frm) {
  for (int tentativa = 0; tentativa < kTentativasLeImpressao; ++tentativa) {
    if (ExecutaComandoSelecionado(frm) && frm.CodigoErro == 0) {
      frm.ModoUltimoRetorno = false;
      return true;
    }
    frm.ModoUltimoRetorno = frm.ebNomeErro == "ErroProtTimeout";
  }
  frm.ModoUltimoRetorno = false;
  return false;
}

const std::string& TextoImpressao(const TfrmMain& frm) {
  const int indice = quorbal::Posicao(quorbal::Comando::LeImpressao);
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[indice];
  return frm.Campos[indice].retornos[quorbal::ProcuraCampo(descritor.retornos, descritor.total_retornos,
                                                           "TextoImpressao")];
}

}  // namespace tarnel
