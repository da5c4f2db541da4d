// An action's visible state, shared by its menu item and tool button.
#pragma once
#include <string>

namespace tarnel {

struct Acao {
  std::string Caption;
  std::string Hint;
  int ImageIndex = -1;
  bool Checked = false;
  bool Enabled = true;
  std::string ShortCut;  // e.g. "Ctrl+Alt+M"; empty for none
};

}  // namespace tarnel
