# Thin wrapper around CMake and CTest; see README.md.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build test bench demo run screenshots clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DPARVENTO_BUILD_TESTS=OFF -DPARVENTO_BUILD_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bash bench/run-all $(BENCH_DIR)

run: build
	$(BUILD_DIR)/src/app/parvento

demo: build
	bash scripts/private-cups demo $(BUILD_DIR)/src/app/parvento

screenshots: build
	bash scripts/screenshots $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
