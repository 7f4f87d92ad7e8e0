# Two entry points for users: `make run` and `make test`. Each installs what it needs first.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
SAMPLE_DIR := samples/car

.PHONY: run test build package deps configure clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure

# The Debian package, build/ombrix_VERSION_ARCH.deb.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD_DIR)/ombrix ]; then \
		$(BUILD_DIR)/ombrix; \
	else \
		$(BUILD_DIR)/ombrix-cli --workdir $(SAMPLE_DIR) --input body.prm --output hull.hul && \
		echo "Hull file written to $(SAMPLE_DIR)/hull.hul"; \
	fi

clean:
	@rm -rf $(BUILD_DIR)
