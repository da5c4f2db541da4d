// Text made safe for an XML element or attribute value: the markup characters as entities and the
// line breaks and tabs as character references, so an attribute keeps them when read back. Other
// control characters may not stand in an XML file at all, not even as references: each becomes "?".
// Bytes pass through unchanged otherwise (the caller chooses the encoding). Header-only: build tools that run on
// the build machine use it without the library.
#pragma once
#include <string>
#include <string_view>

namespace compat {

inline void append_xml_escaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      case '\t': out += "&#9;"; break;
      default: out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
  }
}

inline std::string xml_escaped(std::string_view text) {
  std::string out;
  append_xml_escaped(out, text);
  return out;
}

}  // namespace compat
