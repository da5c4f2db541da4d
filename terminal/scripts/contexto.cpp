#include "scripts/contexto.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "compat/native_path.h"
#include "compat/path.h"
#include "driver/conexao.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;

constexpr long kPosicaoLixo = 100;
constexpr char kLixo[] = "Lixo";
constexpr std::size_t kBloco = 4096;

bool MinusculaIgual(const std::string& texto, std::size_t inicio, const char* padrao) {
  for (std::size_t i = 0; padrao[i]; ++i) {
    const char c = texto[inicio + i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != padrao[i]) return false;
  }
  return true;
}

// rasc*.bin, letter case ignored as the Windows file search does.
bool NomeDeContexto(const std::string& nome) {
  return nome.size() >= 8 && MinusculaIgual(nome, 0, "rasc") && MinusculaIgual(nome, nome.size() - 4, ".bin");
}

// The newest context file of pasta (the first found among equal times); empty when there is none.
std::string ContextoMaisNovo(const std::string& pasta) {
  std::error_code erro;
  std::string escolhido;
  fs::file_time_type mais_novo{};
  for (fs::directory_iterator it(compat::fs_path(pasta), erro), fim; !erro && it != fim; it.increment(erro)) {
    if (!it->is_regular_file(erro) || !NomeDeContexto(compat::text_path(it->path().filename()))) continue;
    const fs::file_time_type momento = it->last_write_time(erro);
    if (erro) continue;
    if (escolhido.empty() || momento > mais_novo) {
      escolhido = compat::join_path(pasta, compat::text_path(it->path().filename()));
      mais_novo = momento;
    }
  }
  return escolhido;
}

VerificacaoContexto Pergunta(TfrmMain& frm, const std::string& texto, const std::string& titulo) {
  const Resposta r = frm.interacao.Pergunta(texto + "\nContinuar execução?", Icone::Erro, false, Resposta::Sim, titulo);
  return {r == Resposta::Sim ? Seguimento::Continua : Seguimento::Para, titulo + ": " + texto};
}

void AlternaConexao(TfrmMain& frm) {
  ConnectExecute(frm);
  frm.interacao.TrazParaFrente();
}

// Puts the saved copy back under the context's name.
void Restaura(const std::string& salvo, const std::string& contexto) {
  compat::remove_file(contexto);
  compat::rename_file(salvo, contexto);
}

// The damaged copy: the saved bytes with "Lixo" at offset 100 (zeros up to it in a shorter file).
void CopiaComLixo(std::FILE* origem, std::FILE* destino) {
  char bloco[kBloco];
  for (std::size_t lidos; (lidos = std::fread(bloco, 1, sizeof bloco, origem)) > 0;)
    std::fwrite(bloco, 1, lidos, destino);
  std::fseek(destino, kPosicaoLixo, SEEK_SET);
  std::fwrite(kLixo, 1, std::strlen(kLixo), destino);
}

// Position of the first difference, or -1 when the context file's bytes all match the saved copy's
// (the comparison stops where the context file ends).
long long PrimeiraDiferenca(std::FILE* contexto, std::FILE* salvo) {
  char a[kBloco], b[kBloco];
  for (long long bloco = 0;; ++bloco) {
    const std::size_t lidos_a = std::fread(a, 1, sizeof a, contexto);
    if (lidos_a == 0) return -1;
    const std::size_t lidos_b = std::fread(b, 1, sizeof b, salvo);
    const std::size_t comum = lidos_a < lidos_b ? lidos_a : lidos_b;
    std::size_t i = 0;
    while (i < comum && a[i] == b[i]) ++i;
    if (i < comum || lidos_a != lidos_b) return bloco * static_cast<long long>(kBloco) + static_cast<long long>(i);
  }
}

}  // namespace

VerificacaoContexto VerificaContexto(TfrmMain& frm, const std::string& pasta_pedida) {
  AlternaConexao(frm);
  const std::string pasta = pasta_pedida.empty() ? compat::current_folder() : pasta_pedida;
  const std::string contexto = ContextoMaisNovo(pasta);
  if (contexto.empty())
    return Pergunta(frm, "Não encontrou arquivo de contexto!", "Erro: " + compat::join_path(pasta, "rasc*.bin"));

  const std::string salvo = compat::change_extension(contexto, ".sav");
  compat::remove_file(salvo);
  // Unlike the steps below, a context that could not be moved aside is left where it is.
  if (!compat::rename_file(contexto, salvo))
    return Pergunta(frm, "Não foi possível gerar novo contexto!", "Erro: " + contexto);

  std::FILE* novo = compat::open_file(contexto, "wb");
  if (!novo) {
    compat::rename_file(salvo, contexto);
    return Pergunta(frm, "Não foi possível gerar novo contexto!", "Erro: " + contexto);
  }
  std::FILE* origem = compat::open_file(salvo, "rb");
  if (!origem) {
    std::fclose(novo);
    Restaura(salvo, contexto);
    return Pergunta(frm, "Não foi possível abrir contexto salvo!", "Erro: " + salvo);
  }
  CopiaComLixo(origem, novo);
  std::fclose(origem);
  std::fclose(novo);

  AlternaConexao(frm);

  std::FILE* gerado = compat::open_file(contexto, "rb");
  if (!gerado) return Pergunta(frm, "Não foi possível abrir contexto gerado!", "Erro: " + contexto);
  std::FILE* copia = compat::open_file(salvo, "rb");
  if (!copia) {
    std::fclose(gerado);
    return Pergunta(frm, "Não foi possível abrir contexto salvo!", "Erro: " + salvo);
  }
  const long long diferenca = PrimeiraDiferenca(gerado, copia);
  std::fclose(gerado);
  std::fclose(copia);
  if (diferenca < 0) return {};
  return Pergunta(frm, "Contexto diferente na posição " + std::to_string(diferenca) + "!", "Diferença de Contexto");
}

}  // namespace tarnel
