// A folder that is full or read-only, for tests and without root. A child process takes its own
// user and mount namespaces and mounts a small tmpfs over the folder; the code under test runs in
// that child, and what it reports comes back through a pipe. POSIX (Linux) only.
#pragma once
#ifndef _WIN32
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

namespace test_support {

enum class FolderFault {
  full,       // every byte of the file system taken, but `spare_bytes`
  read_only,  // remounted read-only once prepared
};

// Both faults, named for test traces.
struct NamedFolderFault {
  FolderFault fault;
  const char* name;
};
inline constexpr NamedFolderFault kFolderFaults[] = {{FolderFault::full, "full disk"},
                                                     {FolderFault::read_only, "read-only folder"}};

struct FaultRun {
  bool ran = false;    // false: the system offers no such folder (see why); the test skips
  std::string why;
  std::string report;  // what the work returned
};

namespace detail {

inline bool write_text_file(const char* path, const std::string& text) {
  const int fd = open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return ok;
}

// The child's side: its own namespaces and the tmpfs. Empty on success, else why not.
inline std::string enter_fault_folder(const std::string& folder) {
  const uid_t uid = getuid();
  const gid_t gid = getgid();
  if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
  write_text_file("/proc/self/setgroups", "deny");
  if (!write_text_file("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1") ||
      !write_text_file("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1"))
    return "no identity mapping in the new user namespace";
  if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string("private mounts: ") + std::strerror(errno);
  if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k,mode=0777") != 0)
    return std::string("tmpfs: ") + std::strerror(errno);
  return {};
}

// Takes the free space down to about spare_bytes (tmpfs counts whole pages).
inline void fill_folder(const std::string& folder, std::size_t spare_bytes) {
  const std::string filler = folder + "/.filler";
  const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return;
  const std::string block(4096, 'F');
  while (write(fd, block.data(), block.size()) > 0) {
  }
  while (write(fd, "F", 1) > 0) {
  }
  const off_t size = lseek(fd, 0, SEEK_END);
  const off_t spare = static_cast<off_t>(spare_bytes);
  if (spare > 0 && size > spare && ftruncate(fd, size - spare) != 0) spare_bytes = 0;
  close(fd);
}

}  // namespace detail

// Runs prepare (which writes the folder's old files) and then work in a child process in which
// folder is a fresh tmpfs, then made full or read-only. Returns the report work gives.
inline FaultRun run_with_folder_fault(const std::string& folder, FolderFault fault,
                                      const std::function<void()>& prepare, const std::function<std::string()>& work,
                                      std::size_t spare_bytes = 0) {
  FaultRun run;
  int channel[2];
  if (pipe(channel) != 0) {
    run.why = "pipe";
    return run;
  }
  const pid_t child = fork();
  if (child < 0) {
    close(channel[0]);
    close(channel[1]);
    run.why = "fork";
    return run;
  }
  if (child == 0) {
    close(channel[0]);
    std::string message = detail::enter_fault_folder(folder);
    // The first byte says whether the rest is a report or why there is none.
    if (message.empty()) {
      prepare();
      bool ready = true;
      if (fault == FolderFault::full) {
        detail::fill_folder(folder, spare_bytes);
      } else if (mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") != 0) {
        ready = false;
        message = std::string("!read-only remount: ") + std::strerror(errno);
      }
      if (ready) message = "=" + work();
    } else {
      message = "!" + message;
    }
    const char* data = message.data();
    std::size_t left = message.size();
    while (left > 0) {
      const ssize_t n = write(channel[1], data, left);
      if (n <= 0) break;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string message;
  char block[4096];
  for (ssize_t n; (n = read(channel[0], block, sizeof block)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    message.append(block, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (message.empty()) {
    run.ran = true;  // the work crashed: a report no test expects
    run.report = "<no report: wait status " + std::to_string(status) + ">";
  } else if (message[0] == '!') {
    run.why = message.substr(1);
  } else {
    run.ran = true;
    run.report = message.substr(1);
  }
  return run;
}

}  // namespace test_support
#endif
