# ntc-beta: `make run` and `make test` are the whole set-up on a fresh Debian machine.
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
EXE := $(BUILD)/app/ntc-beta
FUZZ_SECONDS := 60
SANITIZE := -O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Toolchain, Qt 6 Widgets, the Song face the labels use, and what the
# screenshot needs (a virtual X server, a window finder, ImageMagick).
DEBS := g++ cmake ninja-build libgtest-dev qt6-base-dev fonts-arphic-uming \
        xvfb xauth xdotool imagemagick clang libclang-rt-14-dev libbenchmark-dev libxcb1-dev \
        desktop-file-utils appstream binutils-mingw-w64-x86-64 qt6-translations-l10n strace at-spi2-core dbus

.PHONY: deps build test test-sanitized fuzz bench package run screenshot dark-screenshot resources

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

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)

# Every test: the plain build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and 20 s of each fuzzer.
test: build
	cd $(BUILD) && ctest --output-on-failure
	@$(MAKE) --no-print-directory test-sanitized
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=20

test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNTC_PACKAGE_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure

# libFuzzer targets for the calculation, FUZZ_SECONDS each (60 by default).
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DNTC_WITH_UI=OFF -DNTC_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) --target evaluate_fuzz number_text_fuzz
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A .deb in build/package/: `apt-get install ./build/package/ntc-beta_*.deb`.
package: build
	cd $(BUILD) && cpack
	@ls $(BUILD)/package/*.deb

# Start-up time and memory against the toolkit's floor (under Xvfb), then the
# calculation's micro-benchmarks.
bench: build
	xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" $(BUILD)/bench/startup 9 \
	  $(EXE) $(BUILD)/bench/floor $(BUILD)/bench/floor_fields
	$(BUILD)/bench/calc_bench

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
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) --target draw_resources
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/draw_resources resources
