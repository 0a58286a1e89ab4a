# ntc-beta: `make run` and `make test` are the whole set-up on a fresh Debian machine.
BUILD := build
EXE := $(BUILD)/app/ntc-beta
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Toolchain, Qt 6 Widgets, the Song face the labels use, and what the
# screenshot needs (a virtual X server, a window finder, ImageMagick).
DEBS := g++ cmake ninja-build libgtest-dev qt6-base-dev fonts-arphic-uming \
        xvfb xauth xdotool imagemagick

.PHONY: deps build test run screenshot resources

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

test: build
	cd $(BUILD) && ctest --output-on-failure

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

# Redraws the icon and the formula picture into resources/.
resources: DEBS += fonts-urw-base35
resources: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) --target draw_resources
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/draw_resources resources
