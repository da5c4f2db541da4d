// Writing files so that a full disk, a read-only folder or a crash never leaves half of one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace compat {

// A whole file replaced crash-safe. The bytes go to a temporary file in the target's folder;
// commit() flushes it to disk and renames it over the target, so that the target is always either
// the old file or the new one. Until commit() succeeds the target is untouched; a writer destroyed
// or discarded before that removes its temporary file. Off Windows: an existing target keeps its
// permissions, and its owner and group as far as the system lets this user; a link is followed and
// its target replaced; a device or pipe (/dev/null) is written to, not replaced. A target marked
// read-only (no write permission for anyone, or for this user, off Windows; the
// read-only attribute on Windows) is not replaced: the writer fails from the start, as a rename
// over it fails on Windows, and the file stays as it is.
class AtomicFile {
 public:
  // Creates the temporary file (see is_open()) under a fresh name; or under the name given, which is
  // emptied first: a writer that always names the same one leaves at most that one behind a crash.
  explicit AtomicFile(std::string path, std::string temporary = {});
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool is_open() const { return handle_ != kNone; }
  // False when the temporary file could not be made or any write so far failed.
  bool write(const void* bytes, std::size_t size);
  bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }
  // False: the target was not replaced, and the temporary file is gone.
  bool commit();
  void discard();

 private:
  static constexpr std::intptr_t kNone = -1;

  // Writes to the open device or stream handle (kNone: it could not be opened) rather than
  // replacing the path.
  void write_in_place(std::intptr_t handle);

  std::string path_;
  std::string temporary_;
  std::intptr_t handle_ = kNone;  // file descriptor, or HANDLE on Windows
  bool failed_ = false;
  bool in_place_ = false;  // a device or pipe, written to rather than replaced
};

// The whole file replaced with bytes through an AtomicFile.
bool replace_file(const std::string& path, std::string_view bytes);

// Appends all of bytes or nothing: when a write fails half way (a full disk) the file is cut back
// to its old length, so that no torn record stays at its end for the next one to follow. The file
// is created when missing (and removed again when nothing could be written to it); owner_only makes
// a new file readable by this user alone (a history of what was typed), where the system has modes.
bool append_whole(const std::string& path, std::string_view bytes, bool owner_only = false);

}  // namespace compat
