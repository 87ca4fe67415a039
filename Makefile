# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing, then build with CMake and Ninja into build/.
# `make fuzz` fuzzes the game and the solver for FUZZ_SECONDS seconds.
# `make deb` builds the Debian package from the committed tree into build-deb/.

BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test deb fuzz bench format clean

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run-game $(BUILD_DIR)

test: build
	@tools/run-tests $(BUILD_DIR)

deb: deps
	@tools/make-deb

fuzz: deps
	@tools/run-fuzz $(FUZZ_SECONDS) $(BUILD_DIR)-fuzz

bench: build
	@cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-*
