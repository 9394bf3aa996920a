# Thin wrapper around CMake: every target first installs what is missing.
BUILD    ?= build
SANITIZE ?= 0
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60

ifeq ($(SANITIZE),1)
BUILD_DIR := $(BUILD)-asan
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DVELLUMO_SANITIZE=ON
else
BUILD_DIR := $(BUILD)
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR) && ./vellumo

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)
	@sh tools/run-benchmarks.sh $(BUILD_DIR)

# libFuzzer targets with ASan and UBSan in a clang build of their own, each run for
# FUZZ_SECONDS; any finding fails.
fuzz:
	@sh tools/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVELLUMO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_enginefile fuzz_preview fuzz_copydeck
	@sh tools/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
