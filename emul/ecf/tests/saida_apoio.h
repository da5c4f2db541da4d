// A printer driven through its commands with short ways to look at what it printed: everything
// LeImpressao hands out, its filtered lines, and the memory window read the way the terminal reads it.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "apoio.h"
#include "filtro_impressao.h"

namespace ecf::teste {

class Saida : public Bancada {
 protected:
  // Everything LeImpressao hands out until it answers an empty text.
  std::string Impressao(int* pedacos = nullptr) {
    std::string texto;
    int total = 0;
    for (;;) {
      const std::string p = Retorno(Ok("LeImpressao"), "TextoImpressao");
      EXPECT_LE(p.size(), 4000u);
      if (p.empty()) break;
      texto += p;
      ++total;
    }
    if (pedacos) *pedacos = total;
    return texto;
  }

  void Cupom() {
    Ok("AbreCupomFiscal");
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "2"}, {"PrecoUnitario", "10,50"},
                     {"CodAliquota", "0"}});
    Ok("VendeItem", {{"CodProduto", "002"}, {"NomeProduto", "Feijao"}, {"Quantidade", "1"}, {"PrecoUnitario", "7,99"},
                     {"CodAliquota", "1"}});
    Ok("CancelaItemFiscal", {{"NumItem", "2"}});
    Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "50"}});
    Ok("EncerraDocumento", {{"TextoPromocional", "Volte sempre"}});
  }

  static bool TemLinha(const std::string& impresso, const std::string& linha) {
    const std::vector<std::string> linhas = LinhasFiltradas(impresso);
    return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
  }
  static std::string Par(const std::string& esquerda, const std::string& direita) {
    return esquerda + std::string(48 - esquerda.size() - direita.size(), ' ') + direita;
  }

  // The memory window read the way the terminal reads it.
  std::string Memoria(std::uint32_t endereco, std::size_t quantidade) {
    std::string bytes;
    while (bytes.size() < quantidade) {
      const std::string valor = std::to_string(endereco);
      Ok("EscreveInteiro", {{"NomeInteiro", "EnderecoSoftwareBasico"}, {"ValorInteiro", valor.c_str()}});
      const std::string hex = Texto("SoftwareBasico");
      if (hex.empty()) break;
      for (std::size_t i = 0; i + 1 < hex.size() && bytes.size() < quantidade; i += 2, ++endereco)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
  }
};

inline std::uint32_t U32(const std::string& b, std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8 |
                                    static_cast<unsigned char>(b[i + 2]) << 16 | static_cast<unsigned char>(b[i + 3]) << 24);
}

}  // namespace ecf::teste
