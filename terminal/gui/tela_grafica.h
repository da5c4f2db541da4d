// Whether the window's toolkit has a screen to open the window on. Without one Qt prints that it
// could not connect to the display and aborts the program; the program checks first and says so.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace tarnel::gui {

// True on Windows and macOS, which always have their own; elsewhere when an X or Wayland display is
// named (DISPLAY, WAYLAND_DISPLAY, Qt's -display option), a platform is chosen (QT_QPA_PLATFORM, or
// Qt's -platform option, as the offscreen platform of the tests). An empty variable counts as
// unset, as for Qt.
bool HaTelaGrafica(int argc, char** argv, const std::function<const char*(const char*)>& variavel);

// The X display Qt will open: the -display option's, else DISPLAY's (empty when X is chosen and
// none is named); none when Qt will not use X (another platform chosen, or a Wayland display named
// with no platform chosen). Such a display may still not open: a DISPLAY left over in an SSH
// session, an X server that went away.
std::optional<std::string> TelaX(int argc, char** argv, const std::function<const char*(const char*)>& variavel);

// Whether the X display opens (connection and authorisation), as Qt will try it.
bool TelaXAbre(const std::string& display);

}  // namespace tarnel::gui
