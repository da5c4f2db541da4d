# The tests a Windows build does not run, each with its reason; everything else runs under Wine and
# must pass.
#   windows_excluded_sources_<program>: test files not compiled for Windows at all
#   windows_excluded_<program>:         GoogleTest patterns left out when the program runs
#
# Two test programs are not built for Windows at all (their CMakeLists say so):
#   ecflib_tests links Plenvo's core with the seams it replaces (clock, serial pairs on
#     pseudo-terminals, dlopen); on Windows Plenvo.dll runs plenvo_falhas_com and plenvo_unidade_c
#     through COM ports under Wine instead.
#   tarnel_planilha_emulada_tests drives tarnel-cli through the same POSIX command line as the cli_*
#     tests below; the workbook engine of the Windows builds has its own tests (tarnel_planilha_tests).

# The file-backed registry stand-in and its fault switch exist only off Windows; on Windows the
# system's registry is used. A full or read-only folder is made with Linux user and mount namespaces.
set(windows_excluded_sources_compat_tests tests/registry_test.cpp tests/file_faults_test.cpp)

# Full and read-only folders are made with Linux user and mount namespaces.
set(windows_excluded_sources_tarnel_core_tests falhas_de_disco_test.cpp)
set(windows_excluded_sources_ecf_tests tests/disco_cheio_test.cpp)

# tarnel-cli is driven from these through a POSIX shell command line (quoting, redirections,
# /dev/null) and, for the paper roll, fork and signals. tarnel-cli.exe itself runs under Wine in
# terminal/tests/cli_wine.sh (an accented working folder, arguments Windows-1252 cannot hold).
set(windows_excluded_sources_tarnel_integracao_tests cli_test.cpp cli_shell_test.cpp cli_bobina_test.cpp
  cli_run_test.cpp cli_leitura_test.cpp cli_memoria_test.cpp)
# A writer killed with SIGKILL at random moments: fork and signals.
list(APPEND windows_excluded_sources_tarnel_integracao_tests queda_test.cpp)

# On Windows the profile functions are the system's own. Wine's differ from the rules these pin
# (taken from Windows): non-ASCII section names compared without case, ";key" read as a comment,
# trailing tabs of a default, an empty value read as a number, repeated section names listed, and a
# rewrite that keeps the file's blank lines and line ends (a last line ended by a bare CR too).
# Which of these real Windows follows is checked on Windows only.
set(windows_excluded_compat_tests
  Profile.NamesIgnoreCaseAndTheFirstMatchWins
  Profile.DefaultWhenKeySectionOrFileIsMissing
  Profile.IntegersTakeTheLeadingDigits
  Profile.SectionListingsKeepFileOrder
  Profile.WritingKeepsTheRestOfTheFile
  Profile.WritingAfterALastLineEndingInABareCarriageReturn)
