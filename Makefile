# The two commands of a new machine: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: run test test-sanitized build setup clean

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

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails it.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer_suppressions.txt
test-sanitized: setup
	@cmake -S . -B build-sanitized -G Ninja -DVARNOCK_SANITIZE=ON >/dev/null
	@cmake --build build-sanitized
	@cd build-sanitized && $(SANITIZER_ENV) ctest --output-on-failure -j2

clean:
	@rm -rf $(BUILD_DIR) build-sanitized
