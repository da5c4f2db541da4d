// TfrmAbout, the about box: the program's name and version and the reseller's lines from OEM.INI in
// the current folder (section "OEM"), read once when the box is made at start-up.
#pragma once
#include <string>

namespace tarnel {

class TfrmAbout {
 public:
  // titulo: the application title (the program's file name without extension unless one is set).
  explicit TfrmAbout(const std::string& titulo);

  std::string Caption;      // "Sobre " + title
  std::string ProductName;  // the title
  std::string Version;      // "major.minor.release.build"
  std::string OEMEmpresa;
  std::string Linha1;
  std::string Linha2;
  // The picture file shown: the "Picture" file, else OEM.BMP, when they exist; empty for the
  // program's own picture.
  std::string ProgramIcon;
};

// The company line shown when OEM.INI names none.
extern const char kEmpresaPadrao[];

}  // namespace tarnel
