// Windows text-mode line ends, the same on every system: files are written with CR LF, and read
// back with a CR LF pair as one LF. Both work on a stream of blocks (a pair may straddle two).
#pragma once
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
