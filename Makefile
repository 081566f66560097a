# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, configures and builds; then runs the program or every test.
# `make install` installs the program under PREFIX; `make package` builds its
# Debian package and `make package-check` checks it.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
PACKAGE_BUILD ?= build-package
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-sanitize bench soak install package package-check clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run $(BUILD)/bin/quil-os

# Every test of the program as built, then the unit and real-time tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# Builds only the programs of the tests it runs. Leak checking stays on for our
# code; the suppressions name library caches.
test-sanitize: export LSAN_OPTIONS = suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUIL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target tests-unit tests-realtime
	@ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS) -L '^(unit|realtime)$$'

# Start-up against a bare SDL2 program, animation timing and frames, frame
# cost, idle CPU, memory and hover-to-sound latency of the real program in a
# private Xvfb: one table (bench/README.md says more).
bench: build
	@scripts/install-deps --bench
	@bench/run.sh $(BUILD)

# The long runs, on fresh seeds: ten million monkey events on the virtual clock,
# reporting events per second; then the real program under QUIL_SOAK_ACTIONS
# random X actions (1200 unless set, about two minutes; 36000 for about an
# hour). Each prints its seed and how to run it again; QUIL_MONKEY_SEED and
# QUIL_X_MONKEY_SEED choose the seeds instead.
QUIL_SOAK_ACTIONS ?= 1200
soak: build
	@$(BUILD)/tests/bin/quil_monkey 10000000 $(QUIL_MONKEY_SEED)
	@QUIL_X_MONKEY_ACTIONS=$(QUIL_SOAK_ACTIONS) QUIL_SCREEN_CHANGE=$(BUILD)/tests/bin/quil-screen-change \
	  bash tests/e2e/x-monkey.sh $(BUILD)/bin/quil-os $(BUILD)/soak-artifacts

# Installs what `make` built, without building: run as root it would leave
# files in the build tree that the user can no longer change.
install:
	@test -f $(BUILD)/cmake_install.cmake || { echo "Nothing built to install: run make first." >&2; exit 1; }
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: deps
	@scripts/install-deps --package
	@scripts/package $(PACKAGE_BUILD)

package-check: package
	@scripts/package-check $(PACKAGE_BUILD)/quil-os_*.deb

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD)
