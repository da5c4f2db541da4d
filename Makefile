# Two entry points for a fresh Debian machine:
#   make run   - Tarnel on the emulated printer
#   make test  - the whole test suite
# Other targets: build, asan, mingw32, mingw64, clean.

.PHONY: deps configure build run test asan mingw32 mingw64 cross clean

CMAKE ?= cmake
CTEST ?= ctest

deps:
	@scripts/install-deps.sh

configure: deps
	@$(CMAKE) --preset native >/dev/null

build: configure
	@$(CMAKE) --build --preset native

run: build
	@scripts/run-tarnel.sh

test: build
	@$(CTEST) --preset native

asan: deps
	@$(CMAKE) --preset asan >/dev/null
	@$(CMAKE) --build --preset asan
	@$(CTEST) --preset asan

mingw32: deps
	@$(CMAKE) --preset mingw32 >/dev/null
	@$(CMAKE) --build --preset mingw32

mingw64: deps
	@$(CMAKE) --preset mingw64 >/dev/null
	@$(CMAKE) --build --preset mingw64

cross: mingw32 mingw64

clean:
	rm -rf build build-asan build-mingw32 build-mingw64
