// Tells when a host closes its descriptor on the slave device: the end of its session on the line.
// The kernel's own cleanup on the last close (exclusive mode off) never runs while we hold a
// descriptor on the slave ourselves, so the printer does that part on every close. Opens are not
// counted to find the last close: the kernel merges two like events in a row, so counts drift.
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
  int Descritor() const { return fd_; }   // readable when a close waits to be taken
  bool Fechou();                           // takes the closes that wait; true if there were any
  bool Ocioso() const;                     // no close waits to be taken
  void Fecha();

 private:
  int fd_ = -1;
};

}  // namespace serialsim
