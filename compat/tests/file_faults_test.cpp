// Whole-file replacement, all-or-nothing appends and the registry's hive files on a full disk and in
// a read-only folder: each write fails and the file is the old one, byte for byte, with no
// temporary file left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "compat/atomic_file.h"
#include "compat/registry.h"
#include "test_support/folder_fault.h"
#include "test_support/temp_folder.h"

namespace {

using test_support::read_bytes;
using test_support::TempFolder;
using test_support::write_bytes;

const std::string kBig(64 * 1024, 'n');  // larger than the room left, so a write fails half way

// The folder's files (but the filler that takes the space), sorted, one per line.
std::string listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().filename() != ".filler")
      names.push_back(entry.path().lexically_relative(folder).string());
  std::sort(names.begin(), names.end());
  std::string text;
  for (const std::string& name : names) text += name + "\n";
  return text;
}

class FileFaults : public ::testing::Test {
 protected:
  // Runs work under each fault and expects its report.
  void expect_under_faults(const std::function<void()>& prepare, const std::function<std::string()>& work,
                           const std::string& expected) {
    for (const auto& fault : test_support::kFolderFaults) {
      SCOPED_TRACE(fault.name);
      const test_support::FaultRun run = test_support::run_with_folder_fault(folder_, fault.fault, prepare, work, 8192);
      if (!run.ran) GTEST_SKIP() << "no small file system can be mounted here: " << run.why;
      EXPECT_EQ(run.report, expected);
    }
  }
  std::string file(const std::string& name) const { return folder_ + "/" + name; }

  TempFolder temp_{"compat-faults", TempFolder::user_folders};
  std::string folder_ = temp_.file("config");
  void SetUp() override { std::filesystem::create_directories(folder_); }
};

TEST_F(FileFaults, ReplacedFileStaysTheOldOne) {
  expect_under_faults([&] { write_bytes(file("a.ini"), "[old]\r\nk=1\r\n"); },
                      [&] {
                        compat::AtomicFile writer(file("a.ini"));
                        const bool written = writer.write(kBig);
                        const bool committed = writer.commit();
                        return std::to_string(written) + std::to_string(committed) + " " +
                               read_bytes(file("a.ini")) + listing(folder_);
                      },
                      "00 [old]\r\nk=1\r\na.ini\n");
}

TEST_F(FileFaults, FailedAppendLeavesNoTornTail) {
  expect_under_faults([&] { write_bytes(file("rec.txt"), "line 1\r\n"); },
                      [&] {
                        const bool appended = compat::append_whole(file("rec.txt"), kBig);
                        const bool created = compat::append_whole(file("new.txt"), kBig);
                        return std::to_string(appended) + std::to_string(created) + " " +
                               read_bytes(file("rec.txt")) + listing(folder_);
                      },
                      "00 line 1\r\nrec.txt\n");
}

TEST_F(FileFaults, RegistryValueKeepsItsOldText) {
  const char* key_name = "Software\\KVT\\Tarnel";
  expect_under_faults(
      [&] {
        compat::RegistryKey key;
        key.open_or_create(compat::Hive::CurrentUser, key_name);
        key.write_string("Arquivo", "old.txt");
      },
      [&] {
        compat::RegistryKey key;
        std::string report = std::to_string(key.open(compat::Hive::CurrentUser, key_name));
        report += " " + std::to_string(key.write_string("Arquivo", kBig));
        std::string value;
        report += " " + std::to_string(key.read_string("Arquivo", value)) + " " + value + "\n";
        return report + listing(folder_);
      },
      "0 5 0 old.txt\nkvt-registry/HKEY_CURRENT_USER.reg\n");
}

}  // namespace
