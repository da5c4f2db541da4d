// Tarnel's view of the emulated printer's paper roll: a reader of the roll file (its form is in
// quorbal/bobina.h) that hands out the lines printed since it last looked. A window polls it and
// shows the lines in 48 monospaced columns, bold and double-width lines as such; tarnel-cli bobina
// prints them. No toolkit here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "quorbal/bobina.h"

namespace tarnel {

using quorbal::LinhaBobina;  // texto in Windows-1252, like every text of the core

// The roll of the channel's printer: for the emulated channel ("Emul", any letter case)
// bobina0.txt in the current folder, as a full path; empty for a real channel, whose paper is real.
std::string CaminhoBobina(const std::string& canal);

class LeitorBobina {
 public:
  explicit LeitorBobina(std::string caminho) : caminho_(std::move(caminho)) {}

  // The lines added to the file since the last call (at the first, the whole roll; a very long
  // roll comes over several calls). A file that does not exist yet gives none. A file that was
  // emptied, cut or replaced by another since is read again from its start. A last line still
  // without its line end (the printer is writing it) waits for the next call.
  std::vector<LinhaBobina> Novas();

  // Tearing the paper off: what the roll holds now is never handed out; the next call gives
  // only what is printed after. The file itself is left alone.
  void Rasga() { Novas(); }

  const std::string& Caminho() const { return caminho_; }

 private:
  std::string caminho_;
  std::uint64_t lidos_ = 0;  // bytes of the file handed out, up to a line end
  std::string ultima_;       // the file's last bytes before lidos_, to notice a replaced file
};

}  // namespace tarnel
