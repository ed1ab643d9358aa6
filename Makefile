# The two commands of a new machine: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: run test build setup bench clean

setup:
	@tools/bootstrap

$(BUILD_DIR)/build.ninja: CMakeLists.txt
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: setup $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/varnock

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

clean:
	@rm -rf $(BUILD_DIR)
