// Windows text-mode line ends, the same on every system: files are written with CR LF, and read
// back with a CR LF pair as one LF. Both work on a stream of blocks (a pair may straddle two).
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace compat {

// LF -> CR LF; an LF already preceded by CR is left alone, so CR LF in the data is not doubled.
class TextModeWriter {
 public:
  void put(std::string_view data, std::string& out);

 private:
  bool after_cr_ = false;
};

// How write_text opens its file.
enum class TextOpen {
  create,           // a new file, or an existing one emptied
  append,           // at the end, created when missing
  append_existing,  // at the end of a file that must exist
};

// Opens the file, writes the data through the writer (which keeps its state for the next piece)
// and closes it. False when the file cannot be opened or the data cannot be written whole.
bool write_text(const std::string& path, TextOpen how, TextModeWriter& writer, std::string_view data);

// A file written piece by piece through one opening: a named pipe's reader then sees one stream,
// where an opening per piece would give it an end at the first close, and the next opening would
// wait for a reader forever. Each piece is flushed, so that a failure is told with its piece.
class PieceFile {
 public:
  PieceFile() = default;
  PieceFile(const PieceFile&) = delete;
  PieceFile& operator=(const PieceFile&) = delete;
  ~PieceFile();

  bool open(const std::string& path, TextOpen how);
  bool is_open() const { return file_ != nullptr; }
  // False when the bytes could not be written whole.
  bool write(std::string_view bytes);
  // False when the file was not open or its last bytes could not be written.
  bool close();

 private:
  std::FILE* file_ = nullptr;
};

// CR LF -> LF; a CR not followed by LF stays.
class TextModeReader {
 public:
  void take(std::string_view data, std::string& out);
  // The stream ended: a CR held back waiting for its LF goes out.
  void finish(std::string& out);

 private:
  bool pending_cr_ = false;
};

}  // namespace compat
