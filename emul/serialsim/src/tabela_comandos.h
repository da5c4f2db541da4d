// What the printer knows of each frame it can receive: the frame length the host sends (TX length)
// and the fields that must hold decimal digits. The one place where frame lengths are kept.
#pragma once
#include <cstddef>

namespace serialsim {

// A field of digits inside a frame (encoding Nn on the host side).
struct CampoNumerico {
  int posicao;
  int tamanho;
};

struct ComandoSerial {
  int numero;          // 0 to 60
  int tx;              // frame length; for "60" the fixed part before the text
  int tx_curto;        // a second, shorter valid length ("34" short form); 0 = none
  bool tamanho_no_quadro;  // "60": four digits at offset 4 give the text length, TX = text + 8
  CampoNumerico numericos[3];  // tamanho 0 = unused
  int posicao_zero;    // offset of the constant character '0', or -1
};

constexpr int kTamanhoCabecalho = 4;     // ESC 'f' and two digits
constexpr int kTamanhoQuadroMaximo = 4096;  // the host's reply buffer holds the whole frame
constexpr int kTextoQuorbalMaximo = kTamanhoQuadroMaximo - 8;

// The entry for a command number, or nullptr when the printer has no such command.
const ComandoSerial* ProcuraComandoSerial(int numero);

// Every entry, for tests that walk the whole table.
const ComandoSerial* ComandosSeriais(std::size_t& quantidade);

}  // namespace serialsim
