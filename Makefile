# User commands. The build itself is CMake's; this file only chains the steps.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench format clean

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

bench: build
	@scripts/install-deps.sh --bench
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; $$b --benchmark_min_time=0.2 || exit 1; done
	@echo "== open_e2e.sh"; BUILD_DIR=$(BUILD_DIR) bench/open_e2e.sh

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
