#include "vigia_fechamento.h"

#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>

namespace serialsim {

bool VigiaFechamento::Vigia(const std::string& caminho) {
  Fecha();
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return false;
  // A descriptor shared by dup or fork reports one close, when its last copy goes; an open refused
  // (exclusive mode) reports nothing.
  if (inotify_add_watch(fd_, caminho.c_str(), IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
    Fecha();
    return false;
  }
  return true;
}

bool VigiaFechamento::Fechou(bool& reaberta) {
  alignas(inotify_event) char bloco[4096];
  bool fechou = false;
  reaberta = false;
  ssize_t n;
  while ((n = read(fd_, bloco, sizeof bloco)) > 0) {
    for (ssize_t i = 0; i < n;) {
      inotify_event evento;
      std::memcpy(&evento, bloco + i, sizeof evento);
      i += static_cast<ssize_t>(sizeof evento + evento.len);
      if (evento.mask & IN_OPEN) {
        reaberta = fechou;
      } else if (evento.mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) {
        fechou = true;
        reaberta = false;
      } else if (evento.mask & IN_Q_OVERFLOW) {
        fechou = reaberta = true;  // events were lost: a close may be among them, and an open after it
      }
      // The removal of the watch when the device goes away ends sessions that are over anyway.
    }
  }
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
