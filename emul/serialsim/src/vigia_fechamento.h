// Tells when a host closes its descriptor on the slave device: the end of its session on the line.
// The kernel's own cleanup on the last close (exclusive mode off) never runs while we hold a
// descriptor on the slave ourselves, so the printer does that part on every close. Opens are not
// counted to find the last close: the kernel merges two like events in a row, so counts drift; they
// only tell whether the line may already carry another host's bytes.
#pragma once
#include <string>

namespace serialsim {

class VigiaFechamento {
 public:
  VigiaFechamento() = default;
  ~VigiaFechamento() { Fecha(); }
  VigiaFechamento(const VigiaFechamento&) = delete;
  VigiaFechamento& operator=(const VigiaFechamento&) = delete;

  bool Vigia(const std::string& caminho);  // false (errno set) when the device cannot be watched
  int Descritor() const { return fd_; }   // readable when an open or close waits to be taken
  // Takes the opens and closes that wait, in order. True when a host closed the line among them;
  // `reaberta` then says whether a host opened it after the last of those closes.
  bool Fechou(bool& reaberta);
  bool Ocioso() const;  // no open or close waits to be taken
  void Fecha();

 private:
  int fd_ = -1;
};

}  // namespace serialsim
