// The simulated fiscal printer's side of the frame protocol, independent of the transport: bytes
// from the host go in, the printer's answer comes out. Shared by the printer on a pseudo-terminal
// (serialsim) and the vendor-library stand-in (sulvanir).
//
// Answers:
//   '!' (0x21)              an accepted frame;
//   status_malformado       a frame the printer cannot read: unknown command number, header digits
//                           that are not digits, a digit field (counts, indexes) holding anything
//                           but digits (a minus sign included), a "60" length that is not four
//                           digits or exceeds 4088, a frame cut short by silence;
//   status_ocupado          every frame, for consultas_ocupado frames after an accepted X/Z
//                           report ("08");
//   "04"                    exactly 30 bytes of register data (see Comportamento::registradores);
//   "16" modes '4' to '7'   a text stream ended by one ETX (0x03); other modes '!';
//   "34", "58"              '!', and the cheque is printed: its record (what the positions and
//                           texts of the frame say) is kept, see Cheques();
//   "53"                    STX (0x02) followed by the CMC-7 line, or '!' when there is no cheque;
//   "60"                    the emulated printer's answer record, "{0;<code>;<items>;}".
#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace serialsim {

constexpr unsigned char kAceito = '!';
constexpr unsigned char kStatusOcupado = 10;       // what a host's status poll waits on while busy
constexpr unsigned char kStatusMalformado = '?';   // 63: outside the host's own codes 1 to 33
constexpr char kStx = 0x02;
constexpr char kEtx = 0x03;

// What the simulated printer does, configurable by tests.
struct Comportamento {
  bool mudo = false;               // never answers (time-out tests); frames are still logged
  int resposta_curta = -1;         // >= 0: only this many bytes of the next answer (then back to -1)
  int consultas_ocupado = 3;       // frames answered with the busy status after an X/Z report
  unsigned char status_ocupado = kStatusOcupado;
  unsigned char status_malformado = kStatusMalformado;
  // "04": the data of register n, padded with blanks or cut to 30 bytes. A register without an
  // entry reads "Registrador nnn" padded with blanks.
  std::map<int, std::string> registradores;
  // "16" stream modes: the text sent before the ETX; empty: a reading made from the frame's fields.
  std::string texto_leitura;
  bool leitura_sem_etx = false;    // the stream never ends (idle-limit tests)
  // "53": the line read from the cheque; empty: no cheque, the printer answers '!'.
  std::string linha_cmc7 = "<00100014<0010000015>123456789012:";
  // Printer on a pseudo-terminal: after this many milliseconds of quiet the host is waiting, so a
  // frame that may end shorter ("34" short form) ends, and an unfinished one is answered as
  // malformed. Values below 10 count as 10.
  int silencio_ms = 200;
};

class Respondedor {
 public:
  // Folder for the emulated printer's context file, used by frame "60", as the system names it (an
  // argument, an environment variable).
  explicit Respondedor(const std::string& pasta_emulador);
  ~Respondedor();
  Respondedor(const Respondedor&) = delete;
  Respondedor& operator=(const Respondedor&) = delete;

  // Bytes received from the host, in any cutting; returns the answer to every frame they complete
  // (empty while a frame is unfinished).
  std::string Recebe(const std::string& bytes);
  // The line has gone quiet; returns the answer to a frame this completes.
  std::string Silencio();
  // The same, one frame at a time, for a line that treats each answer on its own: Acrescenta takes
  // the bytes, then each ProximaResposta answers one frame they complete (with `silencio`, as
  // Silencio does); the answer is empty for a frame a silent printer leaves unanswered. False when
  // no frame is complete.
  void Acrescenta(const std::string& bytes);
  bool ProximaResposta(bool silencio, std::string& resposta);
  // One whole frame at once, as the vendor library receives it: its end is the end of the frame.
  std::string Responde(const std::string& quadro);
  // True while bytes of an unfinished frame wait.
  bool Pendente() const;
  // Frames answered so far, an answer cut to nothing included (a silent printer answers none).
  unsigned long Respondidos() const;

  // Every frame received (malformed ones included), raw bytes, in order; the latest 10000 are kept.
  std::vector<std::string> Quadros() const;
  std::vector<std::string> RetiraQuadros();  // the same, taken out of the log at once
  void LimpaQuadros();
  // Every cheque printed, as readable records (cheque_impresso.h), in order; the latest 1000 kept.
  std::vector<std::string> Cheques() const;
  std::vector<std::string> RetiraCheques();
  void Configura(const Comportamento& c);  // also ends a busy period in progress
  Comportamento Configuracao() const;

 private:
  struct Estado;
  bool Seguinte(bool silencio, std::string& resposta);  // under mutex_
  std::string Processa(bool silencio);                   // under mutex_

  mutable std::mutex mutex_;
  std::unique_ptr<Estado> estado_;
};

}  // namespace serialsim
