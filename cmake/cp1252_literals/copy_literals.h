// Copies a C or C++ source file, writing every non-ASCII character of its narrow string and character
// literals as Windows-1252 octal escapes ("Não" becomes "N\343o"). A compiler that reads this copy
// puts the same bytes into the program as gcc does with -fexec-charset=CP1252 on the original, even
// when it only knows UTF-8 (clang). Comments, identifiers and u8/u/U/L literals are copied as they are.
//
// A character with no Windows-1252 form, malformed UTF-8, or non-ASCII inside a narrow raw string
// (which cannot hold an escape) stops the copy with the place in the source.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace cp1252_literals {

// Why a source cannot be copied, and the byte of the source where it is.
struct Failure {
  std::size_t offset;
  std::string what;
};

// The copy; throws Failure.
std::string CopyWithCp1252Literals(std::string_view source);

}  // namespace cp1252_literals
