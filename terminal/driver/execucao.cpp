#include "driver/execucao.h"

#include <cctype>
#include <string>

#include "compat/clock.h"
#include "driver/trecho_log.h"
#include "quorbal/carimbo.h"
#include "quorbal/catalogo.h"
#include "quorbal/itens.h"

namespace tarnel {

namespace {

bool EhLeituraComDestino(int indice) {
  using quorbal::Comando;
  using quorbal::Posicao;
  return indice == Posicao(Comando::EmiteLeituraFitaDetalhe) || indice == Posicao(Comando::EmiteLeituraMF) ||
         indice == Posicao(Comando::EmiteLeituraX);
}

bool EhDestinoHost(const std::string& texto) {
  return texto.size() == 1 && std::toupper(static_cast<unsigned char>(texto[0])) == 'S';
}

// Step 2: the filled parameters go to the library; returns its list of them.
std::string EnviaParametros(TfrmMain& frm, int indice, bool leitura, bool& para_host) {
  Driver& driver = *frm.ModuloDriver;
  const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
  driver.LimpaParams(frm.HandleDriver);
  for (std::uint32_t i = 0; i < comando.total_parametros; ++i) {
    const std::string& texto = frm.Campos[indice].parametros[i];
    if (texto.empty()) continue;
    const quorbal::DescritorCampo& campo = comando.parametros[i];
    driver.AdicionaParam(frm.HandleDriver, campo.nome, texto, campo.tipo);
    if (leitura && std::string(campo.nome) == "Destino" && EhDestinoHost(texto)) para_host = true;
  }
  return driver.ListaParams(frm.HandleDriver);
}

// Step 2 for a name outside the catalogue: no fields, so the texts go as given, with their types.
std::string EnviaParametrosAvulsos(TfrmMain& frm, const ParametrosAvulsos& parametros) {
  Driver& driver = *frm.ModuloDriver;
  driver.LimpaParams(frm.HandleDriver);
  for (const quorbal::Item& item : parametros)
    if (!item.valor.empty()) driver.AdicionaParam(frm.HandleDriver, item.nome, item.valor, item.tipo);
  return driver.ListaParams(frm.HandleDriver);
}

// Step 9: the returns into their fields, stopping at a name the command does not declare.
void PreencheRetornos(TfrmMain& frm, int indice) {
  Driver& driver = *frm.ModuloDriver;
  const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
  const std::int32_t total = driver.TotalRetornos(frm.HandleDriver);
  for (std::int32_t i = 1; i <= total; ++i) {
    std::string nome, valor;
    if (driver.Retorno(frm.HandleDriver, i, nome, valor) < 0) continue;
    const int campo = quorbal::ProcuraCampo(comando.retornos, comando.total_retornos, nome);
    if (campo < 0) {
      frm.Notifica(Alteracao::CamposComando);
      frm.interacao.Mensagem(MensagemDadoDesconhecido(nome));
      return;
    }
    frm.Campos[indice].retornos[campo] = valor;
  }
  frm.Notifica(Alteracao::CamposComando);
}

}  // namespace

std::string MensagemDadoDesconhecido(const std::string& nome) {
  return "Foi retornado um dado desconhecido com o nome \"" + nome + "\"";
}

namespace {

// Steps 2 to 11 for the catalogue entry indice, or for a name outside the catalogue (indice -1, with
// its parameters in avulsos).
bool Executa(TfrmMain& frm, int indice, const std::string& nome, const ParametrosAvulsos* avulsos) {
  // Without the library nothing can be sent: as when the library reports nothing done.
  if (!frm.ModuloDriver) return false;
  Driver& driver = *frm.ModuloDriver;
  const bool leitura = EhLeituraComDestino(indice);

  // 2. Parameters, unless only the last reply is asked for.
  bool para_host = false;
  std::string parametros;
  if (!frm.ModoUltimoRetorno)
    parametros = avulsos ? EnviaParametrosAvulsos(frm, *avulsos) : EnviaParametros(frm, indice, leitura, para_host);

  // 3. Where the library's log stood, then the command itself.
  const std::string log = driver.ObtemNomeLog();
  const std::int64_t tamanho_antes = TamanhoLog(log);
  frm.ebNomeErro.clear();
  frm.ebCircunstancia.clear();
  frm.Notifica(Alteracao::CamposErro);
  driver.DefineTimeout(frm.HandleDriver, frm.TimeoutComando);
  if (driver.ExecutaComando(frm.HandleDriver, frm.ModoUltimoRetorno ? std::string() : nome) == 0) return false;

  // 4-5. The library's own lines when it logged them, otherwise composed here.
  const std::string trecho = TrechoLog(log, tamanho_antes);
  const bool compoe_linhas = trecho.empty();
  frm.AcrescentaLinhaTerminal(compoe_linhas ? quorbal::ComporLinhaComando(compat::local_now(), nome, parametros)
                                            : trecho);

  // 6-7. Fields of the reply.
  frm.LimpaRetornos(indice);
  frm.ebNomeErro = driver.ObtemNomeErro(frm.HandleDriver);
  frm.ebCircunstancia = driver.ObtemCircunstancia(frm.HandleDriver);
  frm.CodigoErro = driver.ObtemCodErro(frm.HandleDriver);
  frm.Notifica(Alteracao::CamposErro);

  if (frm.CodigoErro != 0) {
    // 8. Error reply.
    frm.UltimoRetorno = quorbal::ItensErro(frm.ebNomeErro, frm.ebCircunstancia);
    if (compoe_linhas)
      frm.AcrescentaLinhaTerminal(
          quorbal::ComporLinhaResposta(compat::local_now(), std::to_string(frm.CodigoErro), frm.UltimoRetorno));
  } else {
    // 9. Success: returns.
    frm.UltimoRetorno = driver.ObtemRetornos(frm.HandleDriver);
    if (compoe_linhas)
      frm.AcrescentaLinhaTerminal(quorbal::ComporLinhaResposta(compat::local_now(), "0", frm.UltimoRetorno));
    if (indice >= 0 && quorbal::kCatalogo[indice].total_retornos > 0) PreencheRetornos(frm, indice);
  }

  // 9-10. Follow-up work (mirroring, register reading, first copy) is attached by its subsystems.
  frm.AposComando.Notifica(ComandoExecutado{indice, nome, frm.CodigoErro, para_host, frm.LendoRegistrador});

  // 11. Not for a command run without follow-ups (a register read, a reading's pieces): the register
  // reader runs one as the person types a register name or index in the tool bar, and the focus
  // taken to the list would send the next keys there, an Enter running the selected command.
  if (!frm.Iniciando && !frm.LendoRegistrador) frm.Notifica(Alteracao::FocoLista);
  return true;
}

}  // namespace

bool ExecutaComandoSelecionado(TfrmMain& frm) {
  // 1. The selected entry.
  const int indice = frm.lbComandosItemIndex;
  if (indice < 0 || indice >= quorbal::kTotalComandos) return false;
  return Executa(frm, indice, frm.lbComandosItems[indice], nullptr);
}

bool ExecutaSemSeguimento(TfrmMain& frm) {
  const bool lendo_registrador = frm.LendoRegistrador;
  frm.LendoRegistrador = true;
  const bool executado = ExecutaComandoSelecionado(frm);
  frm.LendoRegistrador = lendo_registrador;
  return executado;
}

bool ExecutaComandoAvulso(TfrmMain& frm, const std::string& nome, const ParametrosAvulsos& parametros) {
  return Executa(frm, -1, nome, &parametros);
}

bool ExecutaUltimoRetorno(TfrmMain& frm) {
  frm.ModoUltimoRetorno = true;
  const bool feito = ExecutaComandoSelecionado(frm);
  frm.ModoUltimoRetorno = false;
  return feito;
}

}  // namespace tarnel
