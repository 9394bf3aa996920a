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

# CI (which sets CI=true) makes every compiler warning an error; WERROR=ON or OFF sets it
# anywhere. Left unset, a build folder keeps what it was configured with.
ifeq ($(CI),true)
WERROR ?= ON
endif
ifneq ($(WERROR),)
CMAKE_FLAGS += -DVELLUMO_WERROR=$(WERROR)
endif

.PHONY: all deps configure build run test bench bench-build fuzz fuzz-build format format-check clean

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

bench: bench-build
	@sh tools/run-benchmarks.sh $(BUILD_DIR)

# The benchmarks and the fuzzers compiled without being run, so that they cannot rot unnoticed.
bench-build: build
	@cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)

# libFuzzer targets with ASan and UBSan in a clang build of their own, each run for
# FUZZ_SECONDS; any finding fails.
fuzz: fuzz-build
	@sh tools/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

fuzz-build:
	@sh tools/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVELLUMO_FUZZ=ON -DBUILD_TESTING=OFF $(if $(WERROR),-DVELLUMO_WERROR=$(WERROR)) >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_enginefile fuzz_preview fuzz_previewdocument fuzz_copydeck fuzz_xlsx

# The Debian package (CPack's DEB generator): $(BUILD_DIR)/vellumo_<version>_<arch>.deb.
.PHONY: deb
deb: build
	@cd $(BUILD_DIR) && cpack -G DEB

format:
	@sh tools/install-deps.sh clang-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any source that clang-format would change (CI runs it).
format-check:
	@sh tools/install-deps.sh clang-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
