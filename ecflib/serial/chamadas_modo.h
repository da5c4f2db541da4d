// How the POSIX serial line reads and sets a device's line settings (tcgetattr, tcsetattr).
// Replaceable so that tests can make a device refuse its configuration: every terminal device Linux
// offers (serial ports, consoles, pseudo-terminals at either end) accepts it once opened.
#pragma once
#include <termios.h>

namespace plenvo {

// Same contracts as tcgetattr and tcsetattr: 0, or -1 with errno.
struct ChamadasModo {
  int (*le)(int descritor, termios* modo);
  int (*grava)(int descritor, int quando, const termios* modo);
};

// nullptr restores the system calls.
void DefineChamadasModo(const ChamadasModo* chamadas);

}  // namespace plenvo
