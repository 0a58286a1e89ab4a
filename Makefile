# ntc-beta: `make run` and `make test` are the whole set-up on a fresh Debian machine.
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
WIN_BUILD := build-windows
LIBCXX_BUILD := build-libcxx
WEB_BUILD := build-web
EXE := $(BUILD)/app/ntc-beta
FUZZ_SECONDS := 60
# Unoptimised: the sanitizers see every access, and the sanitized builds
# compile in half the time they take at -O1; their tests take no longer.
SANITIZE := -O0 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)
NPROC := $(shell nproc)
# ccache, where it is installed, for the inner loop (`make check`) and
# rebuilds after switching branches; a clean clone has nothing in its cache.
CCACHE := -DCMAKE_CXX_COMPILER_LAUNCHER=$(shell command -v ccache)

# Toolchain, Qt 6 Widgets, the Song face the labels use, and what the
# screenshot needs (a virtual X server, a window finder, ImageMagick); the
# MinGW-w64 cross compiler, GoogleTest's sources, Wine and NSIS (the installer)
# for the Windows build; CLI11 for the command line; fast_float and {fmt}
# (header-only) to read and write doubles; LLVM's libc++ for the second
# standard library the core is tested on; mawk, the awk the batch is
# measured against; the locales' sources, for the German locale the number
# tests generate into the build tree.
DEBS := g++ cmake ninja-build libgtest-dev googletest qt6-base-dev fonts-arphic-uming \
        xvfb xauth xdotool imagemagick clang libclang-rt-14-dev libbenchmark-dev libxcb1-dev \
        desktop-file-utils appstream binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix \
        wine64 icoutils unzip nsis libcli11-dev qt6-translations-l10n strace at-spi2-core dbus \
        libfast-float-dev libfmt-dev libc++-dev libc++abi-dev mawk locales

.PHONY: deps test-deps build test test-linux check test-sanitized test-libcxx fuzz windows web test-web web-deps bench bench-windows bench-web package run screenshot dark-screenshot web-screenshot resources

# Installs the Debian packages that are missing, and nothing when none is.
deps:
	@missing=""; \
	for p in $(DEBS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q ' installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# The browser page's build tree, whose page (with its workbench) the .deb
# and the Windows downloads carry: `make web` builds it before those.
WEB_DIR := -DNTC_WEB_DIR=$(CURDIR)/$(WEB_BUILD)

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Release $(WEB_DIR)
	cmake --build $(BUILD)

# Every test, stage by stage: the browser page built first (the .deb and
# the Windows downloads carry it), the plain build's tests, the Qt window under
# AddressSanitizer and UndefinedBehaviorSanitizer, the toolkit-free core's
# tests on clang and libc++ under the same sanitizers, 20 s of each fuzzer,
# the Windows build with its tests under Wine, and the browser page's tests
# in Chromium; every package they need installed first, in one apt-get run.
# Each stage's time is printed at the end (tools/stages.sh).
test:
	@tools/stages.sh "$(MAKE) --no-print-directory" \
	  "packages (apt)" test-deps \
	  "browser page (emscripten)" web \
	  "Linux build and tests" test-linux \
	  "Qt window, GCC ASan/UBSan" test-sanitized \
	  "core, clang libc++ ASan/UBSan" test-libcxx \
	  "fuzzers" "fuzz FUZZ_SECONDS=20" \
	  "Windows, tests under Wine" windows \
	  "browser, tests in Chromium" test-web

test-deps: DEBS += $(WEB_DEBS)
test-deps: deps

# The plain (Release) build's tests, as many at once as there are cores;
# the package's test lays out the page as the .deb carries it.
test-linux: web build
	cd $(BUILD) && ctest -j$(NPROC) --output-on-failure

# The inner loop: what changed rebuilt in the plain build, and its tests run
# (under a minute after a one-file change); `make test` before a merge.
check: web
	@[ -f $(BUILD)/build.ninja ] || $(MAKE) --no-print-directory build
	cmake --build $(BUILD)
	cd $(BUILD) && ctest -j$(NPROC) --output-on-failure

# The Qt window, its program and their tests built with GCC under
# AddressSanitizer and UndefinedBehaviorSanitizer; the toolkit-free core
# below it runs its tests sanitized in the clang and libc++ build.
test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Debug -DNTC_WINDOW_ONLY=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest -j$(NPROC) --output-on-failure

# The toolkit-free core (calc, ui core, models, the command line) and its
# tests built with clang on LLVM's libc++, the standard library of macOS,
# Android, FreeBSD and WebAssembly, so that code only GCC's library takes is
# caught at once; under AddressSanitizer and UndefinedBehaviorSanitizer too,
# the one sanitized build of the core. Debian's GoogleTest is built against
# libstdc++: this build compiles it from its sources.
test-libcxx: deps
	cmake -S . -B $(LIBCXX_BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Debug -DNTC_WITH_UI=OFF \
	  -DNTC_GTEST_FROM_SOURCES=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-stdlib=libc++ $(SANITIZE)"
	cmake --build $(LIBCXX_BUILD)
	cd $(LIBCXX_BUILD) && $(SANITIZER_ENV) ctest -j$(NPROC) --output-on-failure

# Every libFuzzer target (fuzz/CMakeLists.txt lists them: the calculation
# and what reads files), FUZZ_SECONDS each (60 by default), as many at once
# as there are cores.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DNTC_WITH_UI=OFF -DNTC_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) --target fuzzers
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Windows programs, cross-built with MinGW-w64, and their tests run as
# Windows programs under Wine on a virtual display; leaves the zip and the
# installer a user downloads in $(WIN_BUILD)/.
windows: web
	cmake -S . -B $(WIN_BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  $(WEB_DIR)
	cmake --build $(WIN_BUILD)
	cd $(WIN_BUILD) && xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
	  $(CURDIR)/tools/wine-run.sh --session ctest -j3 --output-on-failure
	@ls -l $(WIN_BUILD)/ntc-beta-*-win64.zip $(WIN_BUILD)/ntc-beta-*-setup.exe

# The browser page: emscripten for the WebAssembly, fontTools (with Brotli for
# WOFF2) for the Song face's subset, and the Song face itself; pako's inflater
# for browsers that cannot unpack the page's WebAssembly themselves; Chromium for
# the tests and the benchmark, which npm's playwright-core (pinned in
# tests/ui/web/package-lock.json) drives. npm comes with Node where Node
# does not come from Debian.
WEB_DEBS := emscripten chromium fonttools python3-brotli fonts-arphic-uming node-pako $(if $(shell command -v npm),,npm)
web-deps: DEBS += $(WEB_DEBS)
web-deps: deps

# The page as one file, $(WEB_BUILD)/ntc-beta.html, and as a folder a static
# host serves, $(WEB_BUILD)/site/ (installable, offline after the first visit).
web: web-deps
	emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel
	cmake --build $(WEB_BUILD)
	@stat -c '%n: %s bytes' $(WEB_BUILD)/ntc-beta.html; du -sb $(WEB_BUILD)/site

# The page driven in headless Chromium as a user would, each test file in a
# browser of its own, as many at once as there are cores; the workbench's
# test runs the plain build's ntc-beta-cli beside it.
test-web: web build
	cd $(WEB_BUILD) && ctest -j$(NPROC) --output-on-failure

# The page's first text on screen against a floor page, then the
# workbench's redraw after an edit of a 200-row fit and a 4096-row ADC
# table's longest task, in headless Chromium.
bench-web: web
	cmake --build $(WEB_BUILD) --target web_floor
	NODE_PATH=$(WEB_BUILD)/npm/node_modules node bench/web/startup.js $(WEB_BUILD) 21
	NODE_PATH=$(WEB_BUILD)/npm/node_modules node bench/web/workbench.js $(WEB_BUILD) 21

# The page in Chromium, and its workbench's three views, for the README.
web-screenshot: web
	NODE_PATH=$(WEB_BUILD)/npm/node_modules node tools/web-screenshot.js $(WEB_BUILD)/ntc-beta.html docs/screenshot-web.png
	for view in fit adc design; do \
	  NODE_PATH=$(WEB_BUILD)/npm/node_modules node tools/workbench-screenshot.js $(WEB_BUILD)/ntc-beta.html docs/workbench-$$view.png $$view; \
	done

# A .deb in build/package/: `apt-get install ./build/package/ntc-beta_*.deb`.
package: web build
	cd $(BUILD) && cpack
	@ls $(BUILD)/package/*.deb

# Start-up time and memory against the toolkit's floor (under Xvfb), then the
# calculation's micro-benchmarks, then the CSV batch against a mawk one-liner.
bench: build
	xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -wr" $(BUILD)/bench/startup 9 \
	  $(EXE) $(BUILD)/bench/floor $(BUILD)/bench/floor_fields
	$(BUILD)/bench/calc_bench
	$(BUILD)/bench/cli_batch $(BUILD)/cli/ntc-beta-cli 1000000 9
	@$(MAKE) --no-print-directory bench-windows
	@$(MAKE) --no-print-directory bench-web

# The Windows program's start-up under Wine against a bare Win32 window of
# the same size and title with one label (bench/win32/floor.cpp), that
# floor with the program's manifest, and with the manifest and the program's
# six controls that take the focus, measured by the same startup tool, then
# the programs' sizes, then long pastes into a bare Edit control and into
# the program's field (bench/win32/paste.cpp).
bench-windows: build
	cmake -S . -B $(WIN_BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  $(WEB_DIR)
	cmake --build $(WIN_BUILD) --target ntc-beta ntc-beta-cli floor floor_manifest floor_controls paste
	xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -wr" tools/bench-windows.sh $(BUILD)/bench/startup 9 \
	  $(WIN_BUILD)/app/ntc-beta.exe $(WIN_BUILD)/bench/win32/floor.exe $(WIN_BUILD)/bench/win32/floor_manifest.exe \
	  $(WIN_BUILD)/bench/win32/floor_controls.exe
	@stat -c '%n: %s bytes' $(WIN_BUILD)/app/ntc-beta.exe $(WIN_BUILD)/cli/ntc-beta-cli.exe
	cd $(WIN_BUILD) && xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh -c \
	  'for field in bare program; do $(CURDIR)/tools/wine-run.sh bench/win32/paste.exe $$field 25000 50000 100000; done'

# On a desktop the window opens; without a display it is shown on a virtual
# one and photographed instead.
run: build
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  exec $(EXE); \
	else \
	  echo "No display found: showing the window on a virtual display instead."; \
	  tools/screenshot.sh $(EXE) $(BUILD)/screenshot.png && \
	  echo "Open $(BUILD)/screenshot.png to see the window."; \
	fi

screenshot: build
	tools/screenshot.sh $(EXE) $(BUILD)/screenshot.png

# The window on KDE Breeze Dark's palette after a calculation, for the README.
dark-screenshot: build
	cmake --build $(BUILD) --target screenshot_scenes
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" \
	  $(BUILD)/tools/screenshot_scenes dark docs/screenshot-dark.png

# Redraws the icon and the formula picture into resources/.
resources: DEBS += fonts-urw-base35
resources: deps
	cmake -S . -B $(BUILD) -G Ninja $(CCACHE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) --target draw_resources
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/draw_resources resources
