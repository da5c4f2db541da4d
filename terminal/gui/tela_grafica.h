// Whether the window's toolkit has a screen to open the window on. Without one Qt prints that it
// could not connect to the display and aborts the program; the program checks first and says so.
#pragma once
#include <functional>

namespace tarnel::gui {

// True on Windows and macOS, which always have their own; elsewhere when an X or Wayland display is
// named (DISPLAY, WAYLAND_DISPLAY), a platform is chosen (QT_QPA_PLATFORM, or Qt's -platform
// option, as the offscreen platform of the tests). An empty variable counts as unset, as for Qt.
bool HaTelaGrafica(int argc, char** argv, const std::function<const char*(const char*)>& variavel);

// The X display Qt will open, when only DISPLAY names a screen (no Wayland display, no platform
// chosen); nullptr otherwise. Such a display may still be unreachable: a DISPLAY left over in an
// SSH session, an X server that went away.
const char* SoTelaX(int argc, char** argv, const std::function<const char*(const char*)>& variavel);

// Whether the X display opens (connection and authorisation), as Qt will try it.
bool TelaXAbre(const char* display);

}  // namespace tarnel::gui
