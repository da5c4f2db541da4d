#include "cheques/selbanco.h"

#include "quorbal/comandos.h"

namespace tarnel {

const char kMensagemSemArquivoBancos[] = "O arquivo de bancos 'CHEQUES.INI' não está presente!";

namespace {
int IndiceCheque() { return quorbal::Posicao(quorbal::Comando::ImprimeCheque); }
}  // namespace

bool BancosHabilitado(const TfrmMain& frm) { return frm.lbComandosItemIndex == IndiceCheque(); }

bool BancosClick(TfrmMain& frm) {
  if (frm.ListaBancos.empty()) CarregaBancos(frm);
  if (!frm.ListaBancos.empty()) return true;
  frm.interacao.Mensagem(kMensagemSemArquivoBancos, Icone::Erro, "Erro");
  return false;
}

std::string TextoConfirmacaoBanco(const PosicoesCheque& posicoes) {
  std::string texto;
  for (int i = 0; i < kTotalPosicoesCheque; ++i)
    texto += std::string(kPosicoesCheque[i]) + "=" + std::to_string(posicoes[i]) + "\n";
  return texto + "\nConfirma os valores informados?";
}

void TfrmBanco::FormShow(const TfrmMain& frm) {
  cbBancos = frm.ListaBancos;
  cbBancosItemIndex = cbBancos.empty() ? -1 : 0;
}

bool TfrmBanco::btSelecionarClick(TfrmMain& frm) const {
  if (cbBancosItemIndex < 0 || cbBancosItemIndex >= static_cast<int>(frm.ListaSecoesBancos.size())) return false;
  const std::string& secao = frm.ListaSecoesBancos[cbBancosItemIndex];
  const PosicoesCheque posicoes = PosicoesBanco(secao);
  const std::string titulo = "Banco " + secao + ": " + ObservacaoBanco(secao);
  switch (frm.interacao.Pergunta(TextoConfirmacaoBanco(posicoes), Icone::Pergunta, true, Resposta::Sim, titulo)) {
    case Resposta::Sim:
      for (int i = 0; i < kTotalPosicoesCheque; ++i)
        frm.DefineParametro(IndiceCheque(), kPosicoesCheque[i], std::to_string(posicoes[i]));
      return true;
    case Resposta::Nao: return true;
    case Resposta::Cancela: break;
  }
  return false;
}

}  // namespace tarnel
