// The printer's memory window played on a scripted driver: EscreveInteiro sets the address, LeInteiro
// answers the basic software's size, LeTexto answers the bytes from the address on in hexadecimal.
// Byte i of the basic software is i * 7 + 3; other stretches are regions of given bytes, and an
// address outside every region is refused as the printer refuses it. Chosen calls fail. Registers
// other than the window's own answer values of their own (an integer 4321, a text ABCD).
#pragma once
#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"

namespace tarnel::teste {

class JanelaRoteirizada {
 public:
  explicit JanelaRoteirizada(DriverRoteirizado& driver) : driver_(driver) {
    driver.ao_executar = [this](const std::string& comando) { Responde(comando); };
  }
  std::uint32_t tamanho = 1000;                     // of the basic software, from address 0
  std::size_t por_leitura = 64;
  bool minusculas = false;
  std::string tamanho_texto;                        // replaces the size's reply when set
  std::deque<std::string> textos;                   // replace the next SoftwareBasico replies
  std::map<std::string, std::deque<bool>> falhas;   // by command: true = this call fails
  std::map<std::uint32_t, std::string> regioes;     // by first address
  std::set<std::uint32_t> regioes_falhas;           // reading these regions fails
  std::vector<std::string> enderecos;               // every address written, in order

  static std::string Bytes(std::uint32_t de, std::uint32_t ate) {
    std::string b;
    for (std::uint32_t i = de; i < ate; ++i) b.push_back(static_cast<char>(i * 7 + 3));
    return b;
  }

 private:
  std::string Parametro(const std::string& nome) const {
    for (const std::string& p : driver_.parametros)
      if (p.rfind(nome + "=", 0) == 0) return p.substr(nome.size() + 1);
    return "";
  }
  // The bytes from the address on, or false outside every region.
  bool Le(std::string& bytes) const {
    if (endereco_ < tamanho) {
      bytes = Bytes(endereco_, static_cast<std::uint32_t>(std::min<std::uint64_t>(tamanho, endereco_ + por_leitura)));
      return true;
    }
    auto r = regioes.upper_bound(endereco_);
    if (r == regioes.begin()) return false;
    --r;
    const std::uint64_t dentro = endereco_ - r->first;
    if (dentro >= r->second.size() || regioes_falhas.count(r->first)) return false;
    bytes = r->second.substr(dentro, por_leitura);
    return true;
  }
  void Responde(const std::string& comando) {
    driver_.retornos.clear();
    std::deque<bool>& f = falhas[comando];
    bool falha = !f.empty() && f.front();
    if (!f.empty()) f.pop_front();
    std::string bytes;
    if (!falha && comando == "EscreveInteiro") {
      enderecos.push_back(Parametro("ValorInteiro"));
      endereco_ = static_cast<std::uint32_t>(std::stoul(Parametro("ValorInteiro")));
    } else if (!falha && comando == "LeInteiro" && Parametro("NomeInteiro") != "TamanhoSoftwareBasico") {
      driver_.retornos = {{"ValorInteiro", "4321"}};
    } else if (!falha && comando == "LeTexto" && Parametro("NomeTexto") != "SoftwareBasico") {
      driver_.retornos = {{"ValorTexto", "ABCD"}};
    } else if (!falha && comando == "LeInteiro") {
      driver_.retornos = {{"ValorInteiro", tamanho_texto.empty() ? std::to_string(tamanho) : tamanho_texto}};
    } else if (!falha && comando == "LeTexto") {
      if (!textos.empty()) {
        driver_.retornos = {{"ValorTexto", textos.front()}};
        textos.pop_front();
      } else if (Le(bytes)) {
        const char* digitos = minusculas ? "0123456789abcdef" : "0123456789ABCDEF";
        std::string texto;
        for (char c : bytes) texto += {digitos[static_cast<unsigned char>(c) >> 4], digitos[c & 0xF]};
        driver_.retornos = {{"ValorTexto", texto}};
      } else {
        falha = true;
      }
    }
    driver_.cod_erro = falha ? 9 : 0;
  }
  DriverRoteirizado& driver_;
  std::uint32_t endereco_ = 0;
};

}  // namespace tarnel::teste
