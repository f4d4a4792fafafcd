# SPDX-FileCopyrightText: 2026 Parvento-Entwickler
# SPDX-License-Identifier: MIT
# Thin wrapper around CMake and CTest; see README.md.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
SANITIZE_DIR ?= build-sanitize
PACKAGE_DIR ?= build-package
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build app test bench demo run screenshots fuzz test-sanitize install package-build package package-check clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the program, for the targets that start it.
app: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target parvento

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DPARVENTO_BUILD_TESTS=OFF -DPARVENTO_BUILD_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bash bench/run-all $(BENCH_DIR)

run: app
	$(BUILD_DIR)/src/app/parvento

demo: app
	bash scripts/private-cups demo $(BUILD_DIR)/src/app/parvento

screenshots: build
	bash scripts/screenshots $(BUILD_DIR)

PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The package is built apart from the test build: Release, without the tests;
# CPack strips the program.
package-build: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DPARVENTO_BUILD_TESTS=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)

package: package-build
	cd $(PACKAGE_DIR) && cpack -G DEB

# Checks the .deb with lintian, installs it into this machine (root only),
# starts it, closes it, removes it.
package-check: package-build
	bash tests/packaging/check-package.sh $(PACKAGE_DIR)

fuzz: deps
	CXX=clang++-16 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVENTO_BUILD_FUZZERS=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	bash fuzz/run-all $(FUZZ_DIR) $(FUZZ_SECONDS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DPARVENTO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR)
