// How the POSIX serial line asks for the modem lines (clear-to-send). Replaceable so that tests can
// hold clear-to-send off on a pseudo-terminal, which has no modem lines at all.
#pragma once

namespace plenvo {

// Same contract as ioctl(descritor, TIOCMGET, linhas): 0 and the TIOCM_* bits, or -1 on failure.
using ConsultaModem = int (*)(int descritor, int* linhas);

// nullptr restores the system query.
void DefineConsultaModem(ConsultaModem consulta);

}  // namespace plenvo
