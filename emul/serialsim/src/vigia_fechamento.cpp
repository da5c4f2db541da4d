#include "vigia_fechamento.h"

#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace serialsim {

bool VigiaFechamento::Vigia(const std::string& caminho) {
  Fecha();
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return false;
  // A descriptor shared by dup or fork reports one close, when its last copy goes.
  if (inotify_add_watch(fd_, caminho.c_str(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
    Fecha();
    return false;
  }
  return true;
}

bool VigiaFechamento::Fechou() {
  // Every event of this watch is a close, or an overflow that may have hidden one; the removal of
  // the watch when the device goes away ends sessions that are over anyway.
  alignas(inotify_event) char bloco[4096];
  bool fechou = false;
  while (read(fd_, bloco, sizeof bloco) > 0) fechou = true;
  return fechou;
}

bool VigiaFechamento::Ocioso() const {
  int esperando = 0;
  return fd_ < 0 || (ioctl(fd_, FIONREAD, &esperando) == 0 && esperando == 0);
}

void VigiaFechamento::Fecha() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

}  // namespace serialsim
