// The printer's memories as one piece of state: fiscal memory, detail memory, the basic software and
// the memory window over them with its address register. The emulated printer keeps one of these
// and stores it in its context file through Serializa/Desserializa.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "memorias/binario.h"
#include "memorias/janela_memoria.h"
#include "memorias/memoria_fiscal.h"
#include "memorias/memoria_fita_detalhe.h"
#include "memorias/software_basico.h"

namespace ecf::memorias {

// What the SoftwareBasico register answers.
struct TextoMemoria {
  bool ok = false;
  std::string texto;  // hexadecimal text of the bytes read
  std::string nome_erro;
  std::string circunstancia;
};

class Memorias {
 public:
  explicit Memorias(std::string_view versao_software_basico);

  MemoriaFiscal& Fiscal() { return fiscal_; }
  const MemoriaFiscal& Fiscal() const { return fiscal_; }
  MemoriaFitaDetalhe& FitaDetalhe() { return fita_; }
  const MemoriaFitaDetalhe& FitaDetalhe() const { return fita_; }
  // The basic software's image is made when a window is first asked for, not when the printer opens.
  JanelaMemoria Janela() const;

  // Register EnderecoSoftwareBasico: any 32-bit address may be set; reading SoftwareBasico does not
  // move it (the reader sets the next address itself, so a repeated read gives the same bytes).
  void DefineEnderecoSoftwareBasico(std::uint32_t endereco) { endereco_ = endereco; }
  std::uint32_t EnderecoSoftwareBasico() const { return endereco_; }
  // Register TamanhoSoftwareBasico.
  std::uint32_t TamanhoSoftwareBasico() const { return SoftwareBasico::kTamanho; }
  // Register SoftwareBasico: up to JanelaMemoria::kMaximoPorLeitura bytes from the address on.
  TextoMemoria LeSoftwareBasico() const;

  // The two memories; the window address is a reading aid and is not part of the saved state.
  void Serializa(Escritor& saida) const;
  bool Desserializa(Leitor& entrada);  // false (nothing changed) when damaged

 private:
  std::string versao_software_;
  MemoriaFiscal fiscal_;
  MemoriaFitaDetalhe fita_;
  std::uint32_t endereco_ = 0;
};

}  // namespace ecf::memorias
