// The library's whole state: open sessions by handle and the log file. The exported functions lock
// it for the length of one call.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "log_comandos.h"
#include "sessao.h"

namespace drovik {

class Biblioteca {
 public:
  static Biblioteca& Instancia();

  std::mutex& Trava() { return trava_; }

  // Opens a channel: "Emul" (any letter case) is the emulated printer whose context file lives in
  // the current folder; channels open at the same time share that one printer. A negative handle
  // when the channel cannot be opened.
  std::int32_t Abre(const std::string& canal);
  bool Encerra(std::int32_t handle);
  // Null for a handle that is not open.
  Sessao* Procura(std::int32_t handle);

  LogComandos& Log() { return log_; }

 private:
  std::mutex trava_;
  std::map<std::int32_t, std::unique_ptr<Sessao>> sessoes_;
  std::int32_t proximo_handle_ = 1;
  LogComandos log_;
  std::weak_ptr<ecf::Impressora> emulada_;
};

}  // namespace drovik
