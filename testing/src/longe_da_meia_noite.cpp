// Linked into every test program. Tests that run the emulated printer or Plenvo's log on the host's
// clock each model one day: a local midnight in the middle of one rightly makes the printer ask for
// the day's Z, or the log start the next weekday's file, and fails the test with no fault in the
// code. So a test starts at least kMargem before midnight, or waits until just past it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

constexpr int kMargem = 40;  // seconds; the longest test takes some 20

int SegundosAteAMeiaNoite() {
  const std::time_t agora = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &agora);
#else
  localtime_r(&agora, &local);
#endif
  return 24 * 3600 - (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

class LongeDaMeiaNoite : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    const int faltam = SegundosAteAMeiaNoite();
    if (faltam > kMargem) return;
    std::fprintf(stderr, "(waiting %d s for the local midnight to pass: a test runs within one day)\n", faltam + 1);
    std::this_thread::sleep_for(std::chrono::seconds(faltam + 1));
  }
};

[[maybe_unused]] const bool registrado = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new LongeDaMeiaNoite);
  return true;
}();

}  // namespace
