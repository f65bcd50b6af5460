# make run: install what is missing, build, start the editor.
# make test: install what is missing, build and run every test, then again under ASan and UBSan.
# make fuzz: run each reader's fuzzer for FUZZ_SECONDS seconds (default 60).
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-plain test-asan bench fuzz clean

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

# Each reader's libFuzzer target, built with clang, ASan and UBSan, for FUZZ_SECONDS each.
fuzz:
	@scripts/install-deps --fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DGLYPHGRID_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) $(FUZZ_DIR)
