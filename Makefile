# User commands. The build itself is CMake's; this file only chains the steps.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-sanitize fuzz bench format clean install package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/app/tracelle $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
# Leaks are not checked: Qt keeps some of its own allocations to the end of the process.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# A module carries its own copy of the core, whose globals the program's copy stands in for:
# AddressSanitizer still reports two definitions of one global that differ in size.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACELLE_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0:detect_odr_violation=1 \
	  ctest --output-on-failure -j$(JOBS)

# Every reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang), each for
# FUZZ_SECONDS from its corpus in fuzz/corpus; findings in build-fuzz/findings.
FUZZ_SECONDS ?= 600
FUZZ_DIR = build-fuzz
fuzz: deps
	@scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_DIR) -DTRACELLE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS) -fsanitize=fuzzer-no-link" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	scripts/fuzz.sh $(FUZZ_SECONDS) $(JOBS)

bench: build
	@scripts/install-deps.sh --bench
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; $$b --benchmark_min_time=0.2 || exit 1; done
	@echo "== open_e2e.sh"; BUILD_DIR=$(BUILD_DIR) bench/open_e2e.sh

# The install prefix is compiled in, as the last place the program looks for its files.
PREFIX ?= /usr/local

install: deps $(BUILD_DIR)/CMakeCache.txt
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j$(JOBS)
	cmake --install $(BUILD_DIR)
	@packaging/refresh-desktop-caches.sh $(PREFIX)

# tracelle_<version>_amd64.deb, here; Debian packages install under /usr.
package: deps $(BUILD_DIR)/CMakeCache.txt
	@scripts/install-deps.sh --package
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD_DIR) -j$(JOBS)
	cd $(BUILD_DIR) && cpack -G DEB && lintian --fail-on error tracelle_*.deb
	mv $(BUILD_DIR)/tracelle_*.deb .

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
