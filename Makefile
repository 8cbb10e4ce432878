# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first (tools/deps.sh).

JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
SANITIZE_DIR := build/sanitize
# Tests run headless; the private runtime dir keeps Qt from complaining about a shared one.
TEST_ENV := QT_QPA_PLATFORM=offscreen
# The test builds treat every compiler warning as an error, so "no warnings" holds by
# check; the build behind `make run` does not, so no user's build fails on one.
WERROR ?= ON

.PHONY: all deps build run test test-sanitize soak bench bench-startup screenshots format format-check clean

all: build

deps:
	@./tools/deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
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

screenshots: build
	mkdir -p screenshots
	$(TEST_ENV) ./$(RELEASE_DIR)/app/quorvel-screenshots screenshots

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
