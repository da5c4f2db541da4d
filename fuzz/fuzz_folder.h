// A private temporary folder for a fuzz target, removed when the target ends.
#pragma once
#include <string.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fuzz {

inline std::string& FuzzFolderPath() {
  static std::string path;
  return path;
}

// Makes the folder (once) and returns its path.
inline const std::string& MakeFuzzFolder(const char* target) {
  std::string& path = FuzzFolderPath();
  if (!path.empty()) return path;
  // In memory where the system offers it (the emulated printer writes its context after every
  // command), unless TMPDIR says otherwise.
  std::error_code error;
  const std::filesystem::path base = std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / (std::string(target) + ".XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path = pattern;
  std::atexit([] { std::filesystem::remove_all(FuzzFolderPath()); });
  return path;
}

// For targets whose code keeps its files in the current folder: the paths on the command line
// (corpus folders, artefact prefix) made absolute, from LLVMFuzzerInitialize, because libFuzzer goes
// on using them after EnterFuzzFolder. The program's own path must stay (libFuzzer checks it); -jobs
// starts the jobs from the parent, which never enters the folder.
inline void AbsoluteArguments(int* argc, char*** argv) {
  static const char* const kPathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                           "-merge_control_file=", "-features_dir="};
  for (int i = 1; i < *argc; ++i) {
    std::string argument = (*argv)[i];
    std::string flag;
    if (argument.rfind("-", 0) == 0) {
      for (const char* known : kPathFlags)
        if (argument.rfind(known, 0) == 0) flag = known;
      if (flag.empty()) continue;
      argument.erase(0, flag.size());
    }
    if (argument.empty() || argument[0] == '/') continue;
    (*argv)[i] = strdup((flag + (std::filesystem::current_path() / argument).string()).c_str());
  }
}

// Makes the folder the current one; called on the first input, so that a -jobs parent, which runs
// none, keeps its own folder for the jobs' logs.
inline void EnterFuzzFolder(const char* target) {
  static const bool entered = chdir(MakeFuzzFolder(target).c_str()) == 0;
  if (!entered) std::abort();
}

// Empties the folder between two inputs.
inline void ClearFuzzFolder() {
  for (const auto& entry : std::filesystem::directory_iterator(FuzzFolderPath()))
    std::filesystem::remove_all(entry.path());
}

}  // namespace fuzz
