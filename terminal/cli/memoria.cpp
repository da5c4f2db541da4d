// software-basico, mfd-binaria and mfd-ler: the printer's memory into files, and a dump read back.
#include <filesystem>
#include <string>
#include <system_error>

#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/whole_file.h"
#include "console.h"
#include "mostra.h"
#include "readings/chave_mfd.h"
#include "readings/le_memoria.h"
#include "readings/leitura_mfd_binaria.h"
#include "readings/secao_mfd.h"
#include "sessao_cli.h"
#include "subcomandos.h"

namespace tarnel::cli {

namespace {

// The console's person with a progress line on a terminal: "etapa: feito de total (nn%)", rewritten
// in place and wiped before any message. As for leitura, the file made is announced on anuncio;
// errors and the progress line go to mensagens.
class InteracaoProgresso : public InteracaoConsole {
 public:
  InteracaoProgresso(bool terminal, std::ostream& anuncio, std::ostream& mensagens)
      : InteracaoConsole(mensagens), saida_(anuncio), progresso_(mensagens, terminal) {}
  ~InteracaoProgresso() override { FimProgresso(); }

  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override {
    FimProgresso();
    if (icone == Icone::Informacao)
      EscreveLinha(saida_, texto);
    else
      InteracaoConsole::Mensagem(texto, icone, titulo);
  }
  void Progresso(const std::string& etapa, std::int64_t feito, std::int64_t total) override {
    if (!progresso_.NoTerminal() || total <= 0) return;
    progresso_.Mostra(etapa + ": " + std::to_string(feito) + " de " + std::to_string(total) + " (" +
                      std::to_string(feito * 100 / total) + "%)");
  }
  void FimProgresso() override { progresso_.Apaga(); }

 private:
  std::ostream& saida_;
  LinhaProgresso progresso_;
};

// Runs the reading on a connected session.
template <typename Leitura>
int Roda(const Pedido& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens, Leitura leitura) {
  InteracaoProgresso interacao(terminal, saida, mensagens);
  SessaoCli sessao(interacao);
  sessao.interacao.DirecionaMensagens(mensagens);
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  if (leitura(sessao.frm)) return kSaidaSucesso;
  MostraRecusa(sessao.frm, mensagens);
  return kSaidaErroImpressora;
}

// Replaced whole, so that a full disk leaves an earlier section file as it was.
bool GravaArquivo(const std::string& caminho, const std::string& bytes) {
  std::string motivo;
  return compat::replace_file(caminho, bytes, motivo);
}

}  // namespace

int SoftwareBasico(const Pedido& pedido, const std::string& arquivo, bool terminal, std::ostream& saida,
                   std::ostream& mensagens) {
  return Roda(pedido, terminal, Anuncio(arquivo, saida, mensagens), mensagens, [&](TfrmMain& frm) {
    frm.ArquivoComandos.clear();  // VardexII.bin in the current folder
    return LeMemoriaECF(frm, arquivo.empty() ? ArquivoSoftwareBasico(frm) : arquivo, true, 0, 0, nullptr);
  });
}

int MfdBinaria(const Pedido& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens) {
  return Roda(pedido, terminal, saida, mensagens, [](TfrmMain& frm) { return LeituraMFDBinariaExecute(frm); });
}

int MfdLer(const std::string& arquivo, const std::string& pasta, std::ostream& saida, std::ostream& mensagens) {
  std::string bytes, motivo;
  const bool lido = compat::read_file(arquivo, bytes, motivo);
  if (!lido) {
    EscreveLinha(mensagens, "Erro ao acessar o arquivo '" + arquivo + "'");
    return kSaidaFalha;
  }
  const ConteudoMFD conteudo = LeArquivoMFD(bytes, Gost28147(ChaveMFD()));
  const std::string destino = pasta.empty() ? compat::current_folder() : pasta;
  // A folder named on the command line is made when it does not exist yet.
  if (!compat::make_folders(destino)) {
    EscreveLinha(mensagens, "Erro ao criar a pasta '" + destino + "'");
    return kSaidaFalha;
  }
  const auto nome_secao = [](std::size_t i) -> std::string {
    return i == 0 ? "A" : i == 1 ? "B" : "C" + std::to_string(i - 1);
  };
  const auto caminho_secao = [&](std::size_t i) {
    return compat::join_path(destino, "secao_" + nome_secao(i) + ".bin");
  };
  // A dump named as one of its own sections would be written over before the others are out.
  for (std::size_t i = 0; i < conteudo.secoes.size(); ++i) {
    std::error_code erro;
    if (std::filesystem::equivalent(compat::fs_path(caminho_secao(i)), compat::fs_path(arquivo), erro)) {
      EscreveLinha(mensagens, "O arquivo de MFD " + arquivo + " seria substituído pela seção " + nome_secao(i) +
                                  "; nenhuma seção foi gravada.");
      return kSaidaFalha;
    }
  }
  for (std::size_t i = 0; i < conteudo.secoes.size(); ++i) {
    const std::string& secao = conteudo.secoes[i];
    const std::string nome = nome_secao(i);
    const std::string caminho = caminho_secao(i);
    if (!GravaArquivo(caminho, secao)) {
      EscreveLinha(mensagens, "Erro ao acessar o arquivo '" + caminho + "'");
      return kSaidaFalha;
    }
    std::string linha = "Seção " + nome + ": " + std::to_string(secao.size()) + " bytes em " + caminho;
    if (i == 1 && secao.size() >= 4) {
      const std::size_t t = secao.size() - 4;
      std::uint32_t usados = 0;
      for (int k = 3; k >= 0; --k) usados = usados << 8 | static_cast<unsigned char>(secao[t + k]);
      linha += "; bytes da MF usados=" + std::to_string(usados);
    } else if (i >= 2) {
      if (const std::optional<TrailerMFD> t = LeTrailerMFD(secao))
        linha += "; valor A=" + std::to_string(t->valor_a) + " páginas usadas=" + std::to_string(t->paginas_usadas) +
                 " bytes da MF usados=" + std::to_string(t->bytes_mf_usados) + " valor B=" + std::to_string(t->valor_b);
    }
    EscreveLinha(saida, linha);
  }
  if (!conteudo.erro.empty()) {
    EscreveLinha(mensagens, "Arquivo de MFD danificado: " + conteudo.erro);
    return kSaidaErroImpressora;
  }
  return kSaidaSucesso;
}

}  // namespace tarnel::cli
