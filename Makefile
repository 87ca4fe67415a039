# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing, then build with CMake and Ninja into build/. `make run`
# installs only what building and playing need (tools/packages-run.txt); the other targets
# add their own list (tools/packages-test.txt, -deb.txt, -bench.txt).
# `make fuzz` fuzzes the game and the solver for FUZZ_SECONDS seconds.
# `make deb` builds the Debian package from the committed tree into build-deb/.
# `make bench` builds the benchmarks, which the default build leaves out.

BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(or $(CTEST_PARALLEL_LEVEL),$(shell nproc))
FUZZ_SECONDS ?= 60

# The package lists `deps` installs, and what the configure step adds, per target (these
# hold for the steps a target depends on as well).
PACKAGE_LISTS = run
TARGET_FLAGS =
test fuzz: PACKAGE_LISTS = run test
test: TARGET_FLAGS = -DQUENLITH_BUILD_TESTS=ON
deb: PACKAGE_LISTS = run deb
bench: PACKAGE_LISTS = run bench
bench: TARGET_FLAGS = -DQUENLITH_BUILD_BENCH=ON

.PHONY: deps configure build run test deb fuzz bench format clean

deps:
	@tools/install-deps $(PACKAGE_LISTS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(TARGET_FLAGS) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run-game $(BUILD_DIR)

test: build
	@JOBS=$(JOBS) tools/run-tests $(BUILD_DIR)

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
