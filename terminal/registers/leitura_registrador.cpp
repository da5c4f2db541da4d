#include "registers/leitura_registrador.h"

#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"

namespace tarnel {

std::string MensagemRecusaRegistrador(std::int32_t resultado) {
  switch (resultado) {
    case -1: return "Registrador inexiste para esta versão de protocolo!";
    case -2: return "O comando para leitura deste registrador não possui parâmetro!";
    case -3: return "O comando para leitura deste registrador não possui parâmetro [Nome...]!";
    case -4: return "Não existe comando compatível com a leitura do tipo deste registrador!";
    default: return std::string();
  }
}

bool RegistradorIndexado(const std::string& nome) {
  const int indice = quorbal::ProcuraRegistrador(nome);
  return indice >= 0 && quorbal::Indexado(static_cast<quorbal::Registrador>(indice));
}

std::optional<ValorRegistrador> LeValorRegistrador(TfrmMain& frm, const std::string& registrador) {
  // What the user had, to put back afterwards.
  const std::int32_t codigo_erro = frm.CodigoErro;
  const int selecionado = frm.lbComandosItemIndex;
  const std::string nome_erro = frm.ebNomeErro;
  const std::string circunstancia = frm.ebCircunstancia;

  if (!frm.ModuloDriver) return std::nullopt;
  std::string comando;
  const std::int32_t resultado = frm.ModuloDriver->LeRegistrador(frm.HandleDriver, registrador, comando);
  if (resultado != 0) return ValorRegistrador{MensagemRecusaRegistrador(resultado), true};

  const int indice = frm.IndiceComando(comando);
  if (indice < 0) return ValorRegistrador{std::string(), true};  // a command Tarnel does not know
  frm.SelecionaComando(indice);
  frm.LimpaCampos(indice);
  if (!frm.Campos[indice].parametros.empty()) frm.Campos[indice].parametros[0] = registrador;
  frm.Notifica(Alteracao::CamposComando);
  if (!frm.btExecutaEnabled) return std::nullopt;

  ExecutaSemSeguimento(frm);

  // The error code as the path left it: the reading's own, or, when the library carried nothing out,
  // still the user's, which then shows in the error look as any other.
  ValorRegistrador valor;
  if (frm.CodigoErro != 0) {
    valor = {"Erro=" + frm.ebNomeErro + " Circunstancia=" + frm.ebCircunstancia, true};
  } else if (!frm.Campos[indice].retornos.empty()) {
    valor = {frm.Campos[indice].retornos[0], false};
  }

  if (selecionado >= 0) {
    frm.CodigoErro = codigo_erro;
    frm.SelecionaComando(selecionado);
    frm.ebNomeErro = nome_erro;
    frm.ebCircunstancia = circunstancia;
    frm.Notifica(Alteracao::CamposErro);
  }
  return valor;
}

}  // namespace tarnel
