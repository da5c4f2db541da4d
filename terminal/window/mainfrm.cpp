#include "window/mainfrm.h"

#include "quorbal/catalogo.h"

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
  Connect = Acao{"&Conectar com o ECF", "Conectar-se com o ECF", 1, false, true};
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

void TfrmMain::AcrescentaLinhaTerminal(const std::string& texto) {
  Terminal.Acrescenta(texto);
  Notifica(Alteracao::Terminal);
}

}  // namespace tarnel
