# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first (tools/deps.sh).

JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
SANITIZE_DIR := build/sanitize
FUZZ_DIR := build/fuzz
# Inputs per fuzz target: the long run by default, FUZZ_RUNS=... to choose (FUZZ_MAX_TIME=<s>
# in the environment also caps each target's time).
FUZZ_RUNS ?= 10000000
FUZZ_SHORT_RUNS ?= 20000
# Tests run headless; the private runtime dir keeps Qt from complaining about a shared one.
TEST_ENV := QT_QPA_PLATFORM=offscreen
# The test builds treat every compiler warning as an error, so "no warnings" holds by
# check; the build behind `make run` does not, so no user's build fails on one.
WERROR ?= ON

.PHONY: all deps configure build run test test-sanitize soak fuzz fuzz-short fuzz-build bench \
	bench-startup screenshots translations package package-arm64 test-arm64 test-debian13 \
	format format-check clean

all: build

deps:
	@./tools/deps.sh

configure: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF

build: configure
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# Only the program: no benchmarks, no artwork tool. It needs a graphical session.
run: configure
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target quorvel
	./$(RELEASE_DIR)/app/quorvel

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WERROR=$(WERROR)
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCH=OFF -DQUORVEL_WERROR=$(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# A monkey drives the real window with a million seeded random events under the sanitizers,
# checking its invariants after each: `make soak SOAK_EVENTS=20000 SOAK_SEED=7` for another
# run, `make soak SOAK_REPLAY=soak-failure-7.log` to play a failed run's events back (its
# log lies in $(SANITIZE_DIR)/tests).
export SOAK_EVENTS SOAK_SEED SOAK_REPLAY SOAK_TRACE_FROM SOAK_MAX_EVENT_MS
soak: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCH=OFF -DQUORVEL_WERROR=$(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target quorvel_soak
	cd $(SANITIZE_DIR)/tests && $(TEST_ENV) ./quorvel_soak

# The wallet's first opening counts only as the first window of a process: it runs alone.
# libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer), one after the other.
fuzz-build:
	@./tools/deps.sh fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_read_number fuzz_setting_text \
		fuzz_jpeg_decode fuzz_picture_loader

fuzz: fuzz-build
	./tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_RUNS)

fuzz-short: fuzz-build
	./tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SHORT_RUNS)

bench: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	$(TEST_ENV) ./$(RELEASE_DIR)/bench/quorvel_bench --benchmark_filter=WalletFirstOpening
	$(TEST_ENV) ./$(RELEASE_DIR)/bench/quorvel_bench --benchmark_filter=-WalletFirstOpening

# Start-up time and memory of quorvel against a bare Qt window, under Xvfb:
# `make bench-startup RUNS=20` for more runs each.
RUNS ?= 10
bench-startup:
	@./tools/deps.sh startup
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target quorvel quorvel-bare-window
	/usr/bin/python3 bench/startup/startup.py --runs $(RUNS) \
		bare=$(RELEASE_DIR)/bench/startup/quorvel-bare-window quorvel=$(RELEASE_DIR)/app/quorvel

# The Debian package, then lintian on it (no errors, no warnings).
package: build
	cd $(RELEASE_DIR) && cpack
	lintian --fail-on error,warning $(RELEASE_DIR)/quorvel_*.deb

# `make test` inside a Debian 13 system made once under build/debian13 (debootstrap, as
# root or through sudo), on a copy of the tree.
test-debian13:
	./tools/test-debian13.sh

# The arm64 package (build/arm64/quorvel_<version>_arm64.deb, lintian-clean), cross-built in
# a Debian 12 system made once under build/arm64; test-arm64 runs it and its tests under
# qemu-user there.
package-arm64:
	./tools/arm64.sh package

test-arm64:
	./tools/arm64.sh test

screenshots: build
	mkdir -p screenshots
	$(TEST_ENV) ./$(RELEASE_DIR)/app/quorvel-screenshots screenshots

# The translations (translations/*.ts) brought up to date with the texts of the sources
# (lupdate): new texts wait there, unfinished, for a translator (linguist <file>); the
# build fails until every one is finished.
translations: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WERROR=$(WERROR)
	cmake --build $(TEST_DIR) --target update_translations

format:
	@./tools/deps.sh format
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	@./tools/deps.sh format
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
