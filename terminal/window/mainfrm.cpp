#include "window/mainfrm.h"

#include "compat/path.h"

#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"

namespace tarnel {

TfrmMain::TfrmMain(Interacao& i) : interacao(i) {
  lbComandosItems.reserve(quorbal::kTotalComandos);
  Campos.resize(quorbal::kTotalComandos);
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    const quorbal::DescritorComando& comando = quorbal::kCatalogo[c];
    lbComandosItems.emplace_back(comando.nome);
    Campos[c].parametros.resize(comando.total_parametros);
    Campos[c].retornos.resize(comando.total_retornos);
  }
  cbCanalECFItems = {"Emul", "USB", "COM1", "COM2", "COM3", "COM4"};
  cbCanalECF = "Emul";
  cbNomeRegistradorItems.assign(quorbal::kNomesRegistradores,
                                quorbal::kNomesRegistradores + quorbal::kTotalRegistradores);
  AcoesDeProjeto();
  btLeRegistradorAutomaticoHint = LeRegistrador.Hint;
}

// The actions as the window is designed: caption, hint, image, checked, enabled, shortcut.
void TfrmMain::AcoesDeProjeto() {
  Connect = {"&Conectar com o ECF", "Conectar-se com o ECF", 1, false, true, ""};
  Resize = {"Resize", "", -1, false, true, ""};
  SelecionaArquivoComandos = {"Seleciona Arquivo de &Comandos", "Seleciona Arquivo de Comandos", 5, false, false, ""};
  GravaComandos = {"&Grava Arquivo de Comandos", "Inicia/Interrompe Gravação do Arquivo de Registro de Comandos", 2,
                   true, true, ""};
  ParaGravacao = {"&Pára Gravação de Comandos", "Pára Gravação de Arquivo do Registro de Comandos", 3, false, true, ""};
  ExecutaArquivoComandos = {"&Executa Arquivo de Comandos", "Executa Arquivo de Registro de Comandos", 4, false, false,
                            ""};
  LeRegistrador = {"&Leitura Automática de Registrador", "Ativa/Desativa Leitura Automática de Registrador", 6, false,
                   true, ""};
  ConexaoExcel = {"Conexão com o Excel", "Conexão Excel", -1, false, true, ""};
  ObtemLeituraX = {"Obtém os dados da Leitura X e armazena na planilha", "Armazena os dados da LX na planilha do Excel",
                   -1, false, true, ""};
  ConfereLeituraX = {"Confere a Leitura X do ECF com os dados calculados na planilha",
                     "Confere a Leitura X do ECF com os dados calculados na planilha", -1, false, true, ""};
  ConfiguraTotalizadores = {"Configura Totalizadores", "Configura as alíquotas na planilha", -1, false, true, ""};
  LeImpressao = {"Leitura da Impressão do ECF", "Lê os últimos dados impressos no ECF", -1, false, true, ""};
  LeituraMFDBinaria = {"Leitura Binária da MFD", "", -1, false, true, "Ctrl+Alt+M"};
}

void TfrmMain::SelecionaComando(int indice) {
  if (indice < 0 || indice >= static_cast<int>(lbComandosItems.size())) return;
  lbComandosItemIndex = indice;
  ComandoMostrado = indice;
  Notifica(Alteracao::Selecao);
}

int TfrmMain::IndiceComando(const std::string& nome) const { return quorbal::ProcuraComando(nome); }

bool TfrmMain::SelecionaComandoPorNome(const std::string& nome) {
  const int indice = IndiceComando(nome);
  if (indice < 0) return false;
  SelecionaComando(indice);
  return true;
}

void TfrmMain::LimpaCampos(int comando) {
  if (comando < 0 || comando >= static_cast<int>(Campos.size())) return;
  for (std::string& texto : Campos[comando].parametros) texto.clear();
  for (std::string& texto : Campos[comando].retornos) texto.clear();
  Notifica(Alteracao::CamposComando);
}

void TfrmMain::LimpaRetornos(int comando) {
  if (comando < 0 || comando >= static_cast<int>(Campos.size())) return;
  for (std::string& texto : Campos[comando].retornos) texto.clear();
  Notifica(Alteracao::CamposComando);
}

void TfrmMain::btLimpaParsClick() { LimpaCampos(lbComandosItemIndex); }

bool TfrmMain::DefineParametro(int comando, const std::string& nome, const std::string& texto) {
  if (comando < 0 || comando >= quorbal::kTotalComandos) return false;
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  const int campo = quorbal::ProcuraCampo(descritor.parametros, descritor.total_parametros, nome);
  if (campo < 0) return false;
  Campos[comando].parametros[campo] = texto;
  Notifica(Alteracao::CamposComando);
  return true;
}

void TfrmMain::DefineArquivoComandos(const std::string& caminho) {
  ArquivoComandos = caminho;
  cbNomeArquivoItems.push_back(compat::base_name_without_extension(caminho));
  cbNomeArquivoItemIndex = static_cast<int>(cbNomeArquivoItems.size()) - 1;
  cbNomeArquivo = cbNomeArquivoItems.back();
  Notifica(Alteracao::ArquivoComandos);
}

void TfrmMain::AcrescentaLinhaTerminal(const std::string& texto) {
  Terminal.Acrescenta(texto);
  Notifica(Alteracao::Terminal);
}

}  // namespace tarnel
