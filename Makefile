# Lumtar: make run | make test | make bench | make fuzz | make test-asan | make serve
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-asan bench fuzz serve clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/src/qvd

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMTAR_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLUMTAR_BUILD_TESTS=OFF -DLUMTAR_BUILD_BENCH=ON >/dev/null
	@cmake --build build-release -j $(JOBS)
	@python3 scripts/bench.py build-release docs/benchmarks.md

fuzz:
	@LUMTAR_WITH_FUZZ=1 bash scripts/install-deps.sh
	@bash scripts/fuzz.sh

serve:
	@bash scripts/serve.sh

clean:
	rm -rf $(BUILD) build-asan build-release build-fuzz
