# ntc-beta: `make run` and `make test` are the whole set-up on a fresh Debian machine.
BUILD := build
DEBS := g++ cmake ninja-build libgtest-dev
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build test run

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

run: build
