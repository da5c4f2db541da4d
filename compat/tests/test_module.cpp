// Loaded by the module tests through the dynamic loader.
extern "C" __attribute__((visibility("default"))) int compat_test_answer(int x) { return 2 * x + 1; }
