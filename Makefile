# Two entry points for a fresh Debian machine:
#   make run   - Tarnel on the emulated printer
#   make test  - the whole test suite
# Other targets: build, asan, mingw32, mingw64 (the Windows cross-builds with their tests), wine32,
# wine64 (those tests run under Wine), package (the Debian package and the Windows zips), fuzz,
# capturas (the README's pictures), clean.

.PHONY: deps configure build serialsim run test asan mingw32 mingw64 cross wine32 wine64 package fuzz capturas clean

CMAKE ?= cmake
CTEST ?= ctest

deps:
	@scripts/install-deps.sh

configure: deps
	@$(CMAKE) --preset native >/dev/null

build: configure
	@$(CMAKE) --build --preset native

# The Windows builds serve COM1 under Wine with the native printer simulator: their COM port tests
# are set up only when it exists as they are configured.
serialsim: configure
	@$(CMAKE) --build --preset native --target serialsim

run: build
	@scripts/run-tarnel.sh

test: build
	@$(CTEST) --preset native

asan: deps
	@$(CMAKE) --preset asan >/dev/null
	@$(CMAKE) --build --preset asan
	@$(CTEST) --preset asan

mingw32: serialsim
	@$(CMAKE) --preset mingw32 >/dev/null
	@$(CMAKE) --build --preset mingw32

mingw64: serialsim
	@$(CMAKE) --preset mingw64 >/dev/null
	@$(CMAKE) --build --preset mingw64

cross: mingw32 mingw64

# The Windows builds' tests under Wine, one program per test entry; see scripts/wine-tests.sh.
wine32: mingw32
	@scripts/install-deps.sh wine
	@scripts/wine-tests.sh mingw32

wine64: mingw64
	@scripts/install-deps.sh wine
	@scripts/wine-tests.sh mingw64

# build/pacotes/tarnel_<version>_amd64.deb and build-mingw{32,64}/pacotes/tarnel-<version>-windows-*.zip;
# scripts/check-packages.sh checks what they hold.
package: build mingw32 mingw64
	@for b in build build-mingw32 build-mingw64; do cpack --config $$b/CPackConfig.cmake >/dev/null || exit 1; done
	@ls build/pacotes/*.deb build-mingw32/pacotes/*.zip build-mingw64/pacotes/*.zip

# Builds every fuzz target and runs each for FUZZ_SECONDS, FUZZ_JOBS targets at a time (default: the
# number of cores); a finding fails it. See scripts/fuzz.sh; longer runs on several cores:
# scripts/fuzz-longo.sh.
FUZZ_SECONDS ?= 30
FUZZ_JOBS ?=

fuzz:
	@scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_JOBS)

# The README's pictures of the window, into docs/imagens/: under xvfb-run when it is installed (an X
# server as on a desktop), otherwise on Qt's offscreen platform.
capturas: build
	@$(CMAKE) --build --preset native --target tarnel-capturas
	@if command -v xvfb-run >/dev/null; then \
	  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/tarnel-capturas docs/imagens; \
	else \
	  QT_QPA_PLATFORM=offscreen build/bin/tarnel-capturas docs/imagens; \
	fi

clean:
	rm -rf build build-asan build-mingw32 build-mingw64 build-fuzz build-wine
