#include "compat/text_mode.h"

#include <cstdio>
#include <memory>

#include "compat/native_path.h"

namespace compat {

namespace {
struct CloseFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

bool write_text(const std::string& path, TextOpen how, TextModeWriter& writer, std::string_view data) {
  const char* mode = how == TextOpen::create ? "wb" : how == TextOpen::append ? "ab" : "r+b";
  std::unique_ptr<std::FILE, CloseFile> file(open_file(path, mode));
  if (!file) return false;
  if (how == TextOpen::append_existing && std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  std::string bytes;
  writer.put(data, bytes);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
  return std::fclose(file.release()) == 0;
}

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
