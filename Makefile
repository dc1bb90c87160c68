# The two commands of the README, and the few around them.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build deps deps-extra configure bench fuzz test-asan clean

run: build
	./$(BUILD)/zandrel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps

deps-extra:
	@scripts/install-deps extra

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz
