#include "readings/primeira_via.h"

#include "compat/text_mode.h"
#include "quorbal/catalogo.h"
#include "readings/le_impressao.h"

namespace tarnel {

namespace {

// The boxes of the capture carry the command's name as their title.
std::string TituloErro() { return std::string("Erro ") + quorbal::Descritor(quorbal::Comando::LeImpressao).nome; }

void Captura(TfrmMain& frm, const std::string& arquivo) {
  compat::TextModeWriter escritor;
  for (;;) {
    if (!ExecutaLeImpressao(frm)) {
      frm.interacao.Mensagem("Erro=" + frm.ebNomeErro + " Circunstancia=" + frm.ebCircunstancia, Icone::Erro,
                             TituloErro());
      return;
    }
    const std::string& texto = TextoImpressao(frm);
    if (texto.empty()) return;
    if (!compat::write_text(arquivo, compat::TextOpen::append_existing, escritor, texto)) {
      frm.interacao.Mensagem("Erro na gravação do arquivo '" + arquivo + "'", Icone::Erro, TituloErro());
      return;
    }
  }
}

}  // namespace

void LeImpressaoExecute(TfrmMain& frm, const ConfiguracaoPrimeiraVia& configuracao) {
  if (!configuracao.gravar) return;
  const std::int32_t codigo_erro = frm.CodigoErro;
  const int selecionado = frm.lbComandosItemIndex;
  const std::string nome_erro = frm.ebNomeErro;
  const std::string circunstancia = frm.ebCircunstancia;
  const std::string ultimo_retorno = frm.UltimoRetorno;

  frm.SelecionaComando(quorbal::Posicao(quorbal::Comando::LeImpressao));
  frm.btLimpaParsClick();
  if (frm.btExecutaEnabled) Captura(frm, configuracao.arquivo);

  if (selecionado >= 0) {
    frm.CodigoErro = codigo_erro;
    frm.SelecionaComando(selecionado);
    frm.ebNomeErro = nome_erro;
    frm.ebCircunstancia = circunstancia;
    frm.UltimoRetorno = ultimo_retorno;
    frm.Notifica(Alteracao::CamposErro);
  }
}

}  // namespace tarnel
