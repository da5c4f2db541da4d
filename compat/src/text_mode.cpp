#include "compat/text_mode.h"

#include <cstdio>

#include "compat/native_path.h"

namespace compat {

bool write_text(const std::string& path, TextOpen how, TextModeWriter& writer, std::string_view data) {
  PieceFile file;
  if (!file.open(path, how)) return false;
  std::string bytes;
  writer.put(data, bytes);
  return file.write(bytes) && file.close();
}

PieceFile::~PieceFile() { close(); }

bool PieceFile::open(const std::string& path, TextOpen how) {
  close();
  const char* mode = how == TextOpen::create ? "wb" : how == TextOpen::append ? "ab" : "r+b";
  file_ = open_file(path, mode);
  if (file_ != nullptr && how == TextOpen::append_existing && std::fseek(file_, 0, SEEK_END) != 0) close();
  return file_ != nullptr;
}

bool PieceFile::write(std::string_view bytes) {
  return file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() && std::fflush(file_) == 0;
}

bool PieceFile::close() {
  if (file_ == nullptr) return false;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed;
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
