# make run: install what is missing, build, start the editor.
# make test: install what is missing, build and run every test, then again under ASan and UBSan.
# make fuzz: run each reader's fuzzer for FUZZ_SECONDS seconds (default 60).
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-plain test-asan bench bench-startup fuzz windows package package-check clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-editor $(BUILD_DIR)/bin/glyphgrid

test: test-plain test-asan

test-plain: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGLYPHGRID_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHGRID_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@for b in $(BENCH_DIR)/bin/*_bench; do echo "== $$b"; $$b; done
	@echo "== bench/cli_bench.sh"; bench/cli_bench.sh $(BENCH_DIR)/bin/glyphgrid-cli
	@if [ -n "$$DISPLAY" ]; then $(MAKE) --no-print-directory bench-startup; \
	else echo "== start-up: skipped, it needs an X display (Xvfb :99 & DISPLAY=:99 make bench-startup)"; fi

# Each reader's libFuzzer target, built with clang, ASan and UBSan, for FUZZ_SECONDS each.
fuzz:
	@scripts/install-deps --fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DGLYPHGRID_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

# Start-up to the first painted window, against a bare Qt window; needs DISPLAY (Xvfb, no window
# manager).
STARTUP_RUNS ?= 21
bench-startup: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHGRID_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target glyphgrid bare_window window_startup
	@echo "== start-up"
	@$(BENCH_DIR)/bin/window_startup $(STARTUP_RUNS) $(BENCH_DIR)/bin/glyphgrid $(BENCH_DIR)/bin/bare_window

# A .deb of the editor and the CLI (Release, installed under /usr), and a check that installs it
# and runs what it installed.
PACKAGE_DIR ?= build-package
package:
	@scripts/install-deps --package
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

package-check: package
	@scripts/check-package $$(ls -t $(PACKAGE_DIR)/glyphgrid_*.deb | head -n1)

# The core and glyphgrid-cli for 64-bit Windows, with mingw-w64; warnings are errors, since no
# other build compiles the Windows branches.
WINDOWS_DIR ?= build-windows
windows:
	@scripts/install-deps --windows
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DGLYPHGRID_GUI=OFF -DGLYPHGRID_MEDIA=OFF -DBUILD_TESTING=OFF \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@echo "Built $(WINDOWS_DIR)/bin/glyphgrid-cli.exe"

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(PACKAGE_DIR) $(WINDOWS_DIR)
