# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# For developers: the README's two commands (./run, ./test) install what is missing and then call
# `make run` and `make test` here.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: run run-studio test build deps deps-extra deps-windows configure install package bench fuzz test-asan clean \
        windows test-windows package-windows

run: build
	./$(BUILD)/zandrel

run-studio: build
	./$(BUILD)/zandrel-studio

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Installs the build into $(DESTDIR)$(PREFIX): make build && sudo make install, or
# make install PREFIX=/usr DESTDIR=/tmp/stage. It builds only when nothing is built yet, so that
# `sudo make install` leaves a user's build tree alone. The program is installed stripped: it is
# there to be used, and debugging happens in the build tree.
install:
	@test -f $(BUILD)/build.ninja || $(MAKE) build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# The Debian package, $(BUILD)/zandrel_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

deps:
	@scripts/install-deps

deps-extra:
	@scripts/install-deps extra

deps-windows:
	@scripts/install-deps windows

# For 64-bit Windows, cross-built with MinGW-w64 into $(WINDOWS_BUILD): zandrel.exe and
# zandrel-gen.exe. They link a Qt that scripts/build-qt-windows builds once from Debian's source
# into ~/.cache/zandrel (about an hour on two cores); later runs find it there.
WINDOWS_BUILD ?= build-windows
windows: deps-windows
	scripts/build-qt-windows
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/MinGW-w64.cmake \
	  -DCMAKE_PREFIX_PATH="$$(scripts/build-qt-windows --prefix-path)" \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	  -DZANDREL_LINUX_GEN=$(CURDIR)/$(BUILD)/zandrel-gen $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows build's tests under Wine; zandrel-gen.exe is compared with the Linux build's. The
# Wine prefix is made (and the window started once in it) before anything is timed.
test-windows: windows build
	$(WINDOWS_BUILD)/prepare-wine
	cd $(WINDOWS_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# $(WINDOWS_BUILD)/zandrel-<version>-win64.zip (portable) and zandrel-<version>-win64-setup.exe.
package-windows: windows
	cmake --build $(WINDOWS_BUILD) --target package

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps-extra
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Benchmarks, one table; then start-up time against a minimal Qt window, and zandrel-gen's
# whole-process time against a minimal Qt Core program, and the glyph commands against copying
# a table and rendering with FreeType alone.
bench: deps-extra build
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANDREL_BUILD_TESTS=OFF -DZANDREL_BUILD_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen build-bench/bench/zandrel_bench --benchmark_counters_tabular=true
	scripts/startup-time
	scripts/gen-time

# Each fuzz target for FUZZ_SECONDS (60 by default), one after another. FUZZ_JOBS=2 runs a
# campaign: libFuzzer's fork mode on two processes that go on past a crash, so that one finding
# does not end the run; the readers of files then get FUZZ_READER_SECONDS (default: the same).
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 1
FUZZ_READER_SECONDS ?= $(FUZZ_SECONDS)
fuzz: deps-extra
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANDREL_BUILD_TESTS=OFF -DZANDREL_BUILD_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	FUZZ_JOBS=$(FUZZ_JOBS) FUZZ_READER_SECONDS=$(FUZZ_READER_SECONDS) scripts/run-fuzzers $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz $(WINDOWS_BUILD)
