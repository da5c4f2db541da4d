#include "compat/text_mode.h"

namespace compat {

void TextModeWriter::put(std::string_view data, std::string& out) {
  for (const char c : data) {
    if (c == '\n' && !after_cr_) out += '\r';
    out += c;
    after_cr_ = c == '\r';
  }
}

void TextModeReader::take(std::string_view data, std::string& out) {
  for (const char c : data) {
    if (pending_cr_ && c != '\n') out += '\r';
    pending_cr_ = c == '\r';
    if (!pending_cr_) out += c;
  }
}

void TextModeReader::finish(std::string& out) {
  if (pending_cr_) out += '\r';
  pending_cr_ = false;
}

}  // namespace compat
