#include "window/configuracao.h"

#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"

namespace tarnel {

namespace {

const char kValorTimeout[] = "Timeout Execução Comando";
const char kValorTamanhoTerminal[] = "Tamanho do Terminal";
const char kValorLarguraComandos[] = "Largura dos Comandos";
const char kValorConectado[] = "ECF Conectado";
const char kValorCanal[] = "Canal do ECF";
const char kValorArquivo[] = "Arquivo de Comandos";
const char kValorLeituraAutomatica[] = "Leitura Registrador Após Comando";
const char kValorRegistrador[] = "Registrador Selecionado";
const char kPrefixoCheque[] = "IC";

// The five window values, in the order they are read and written.
struct ValorGeometria {
  const char* nome;
  int GeometriaJanela::*campo;
};
const ValorGeometria kValoresGeometria[] = {
    {"Estado da Tela", &GeometriaJanela::estado},  {"Largura da Tela", &GeometriaJanela::largura},
    {"Altura da Tela", &GeometriaJanela::altura},  {"Topo da Tela", &GeometriaJanela::topo},
    {"Posição da Tela", &GeometriaJanela::esquerda},
};

// A stored 0 stands for these sizes.
constexpr int kTerminalSemTamanho = 35;
constexpr int kComandosSemLargura = 385;

const quorbal::DescritorComando& Cheque() { return quorbal::Descritor(quorbal::Comando::ImprimeCheque); }
std::vector<std::string>& CamposCheque(TfrmMain& frm) {
  return frm.Campos[quorbal::Posicao(quorbal::Comando::ImprimeCheque)].parametros;
}

}  // namespace

const char kValorGravacaoAtivada[] = "Gravação de Comandos Ativada";
const char kValorMotorPlanilha[] = "Motor da Planilha";
const char kMotorPlanilhaPadrao[] = "embutido";

std::string LeMotorPlanilha(SessaoConfiguracao& sessao) {
  std::string motor;
  if (!sessao.LeTexto(kValorMotorPlanilha, motor) || motor.empty()) motor = kMotorPlanilhaPadrao;
  return motor;
}

std::string ChaveConfiguracao(const VersaoPrograma& versao) {
  return "Software\\KVT\\Vavizuru vo Ruzeduvi Versão " + std::to_string(versao.major) + "." +
         std::to_string(versao.minor);
}

void RestauraJanela(TfrmMain& frm, SessaoConfiguracao& sessao) {
  sessao.LeInteiro(kValorTimeout, frm.TimeoutComando);

  for (const ValorGeometria& valor : kValoresGeometria) {
    int& campo = frm.Geometria.*valor.campo;
    if (!sessao.LeInteiro(valor.nome, campo)) sessao.EscreveInteiro(valor.nome, campo);
  }
  std::int32_t tamanho = 0;
  if (sessao.LeInteiro(kValorTamanhoTerminal, tamanho)) frm.TamanhoTerminal = tamanho == 0 ? kTerminalSemTamanho : tamanho;
  if (sessao.LeInteiro(kValorLarguraComandos, tamanho)) frm.LarguraComandos = tamanho == 0 ? kComandosSemLargura : tamanho;
  frm.Notifica(Alteracao::Geometria);

  sessao.LeBooleano(kValorConectado, frm.Connect.Checked);
  // An empty channel is what a run that never connected saves; no library opens it, so the box
  // keeps its own text.
  std::string canal;
  if (sessao.LeTexto(kValorCanal, canal) && !canal.empty()) {
    frm.cbCanalECF = canal;
    frm.CanalConectado = canal;
  }
  frm.Notifica(Alteracao::Conexao);

  std::string arquivo = frm.ArquivoComandos;
  sessao.LeTexto(kValorArquivo, arquivo);
  frm.DefineArquivoComandos(arquivo);
}

void RestauraRegistradorECheque(TfrmMain& frm, SessaoConfiguracao& sessao) {
  sessao.LeBooleano(kValorLeituraAutomatica, frm.LeRegistrador.Checked);
  std::int32_t selecionado = -1;
  // An index outside the list (a hand-edited value) counts as no selection.
  if (sessao.LeInteiro(kValorRegistrador, selecionado) && selecionado >= 0 &&
      selecionado < static_cast<std::int32_t>(frm.cbNomeRegistradorItems.size())) {
    frm.cbNomeRegistradorItemIndex = selecionado;
    frm.cbNomeRegistrador = frm.cbNomeRegistradorItems[selecionado];
  }
  frm.Notifica(Alteracao::Acoes);
  frm.Notifica(Alteracao::Registrador);

  const quorbal::DescritorComando& cheque = Cheque();
  std::vector<std::string>& campos = CamposCheque(frm);
  for (std::uint32_t i = 0; i < cheque.total_parametros; ++i) {
    campos[i].clear();
    sessao.LeTexto(kPrefixoCheque + std::string(cheque.parametros[i].nome), campos[i]);
  }
  frm.Notifica(Alteracao::CamposComando);
}

void GravaConfiguracao(const TfrmMain& frm, SessaoConfiguracao& sessao, bool conectado) {
  for (const ValorGeometria& valor : kValoresGeometria) sessao.EscreveInteiro(valor.nome, frm.Geometria.*valor.campo);
  sessao.EscreveInteiro(kValorTamanhoTerminal, frm.TamanhoTerminal);
  sessao.EscreveInteiro(kValorLarguraComandos, frm.LarguraComandos);
  sessao.EscreveBooleano(kValorConectado, conectado);
  sessao.EscreveTexto(kValorCanal, frm.CanalConectado);
  sessao.EscreveTexto(kValorArquivo, frm.ArquivoComandos);
  sessao.EscreveBooleano(kValorGravacaoAtivada, frm.GravaComandos.Checked);
  sessao.EscreveBooleano(kValorLeituraAutomatica, frm.LeRegistrador.Checked);
  sessao.EscreveInteiro(kValorRegistrador, frm.cbNomeRegistradorItemIndex);
  sessao.EscreveInteiro(kValorTimeout, frm.TimeoutComando);
  const quorbal::DescritorComando& cheque = Cheque();
  const std::vector<std::string>& campos = frm.Campos[quorbal::Posicao(quorbal::Comando::ImprimeCheque)].parametros;
  for (std::uint32_t i = 0; i < cheque.total_parametros; ++i)
    sessao.EscreveTexto(kPrefixoCheque + std::string(cheque.parametros[i].nome), campos[i]);
}

}  // namespace tarnel
