// The program's version and file description, defined once by the build (the top-level CMakeLists):
// the settings key, the about box, the window caption and the command files' header and exit lines
// read them here.
#pragma once
#include <string>

namespace tarnel {

struct VersaoPrograma {
  int major, minor, release, build;
};

VersaoPrograma VersaoDoPrograma();
// The file description, Windows-1252.
std::string DescricaoDoPrograma();
// "major.minor.release.build", e.g. "1.0.2.0".
std::string TextoVersao();

}  // namespace tarnel
