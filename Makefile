# make run: set up, build and play. make test: set up, build and run every test.
SHELL := /bin/bash
.DEFAULT_GOAL := run
.PHONY: setup build run test check bench fuzz format clean

GAME := build/release/raetsel

setup:
	@tools/install-packages build

build: setup
	@cmake --preset release >/dev/null
	@cmake --build --preset release

run: build
	@$(GAME)

test: build
	@tools/install-packages test
	@ctest --preset release
	@$(MAKE) --no-print-directory check
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=60

# The whole suite again under AddressSanitizer with UBSan, then ThreadSanitizer.
check:
	@tools/install-packages build test
	@for preset in debug tsan; do \
	    cmake --preset $$preset >/dev/null && cmake --build --preset $$preset && ctest --preset $$preset || exit 1; \
	done

bench: build
	@tools/install-packages bench
	@bench/run

fuzz:
	@tools/install-packages build fuzz
	@cmake --preset fuzz >/dev/null && cmake --build --preset fuzz
	@fuzz/run $${FUZZ_SECONDS:-600}

format:
	@git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	@rm -rf build
