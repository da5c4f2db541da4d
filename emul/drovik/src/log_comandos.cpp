#include "log_comandos.h"

#include "compat/atomic_file.h"

namespace drovik {

void LogComandos::EscreveLinha(const std::string& linha) const {
  // All of the line or none of it: on a full disk a torn line would glue itself to the next one
  // the program appends to the same file.
  if (Ativo()) compat::append_whole(caminho_, linha + "\r\n");
}

}  // namespace drovik
