# The entry points of the README: `make run`, `make test` and `make coverage`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test coverage clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/tintora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debug build of its own with gcov counters; every test runs, then gcovr sums up what
# the tests reached in src/. Run from the root so that the filter matches the paths. The
# report by file goes into the build folder (gcovr replaces its output file, so never
# point it at a device).
COVERAGE_BUILD ?= build-coverage
coverage: deps
	@command -v gcovr >/dev/null || scripts/install-deps.sh --coverage
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	      -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage $(CMAKE_FLAGS)
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	gcovr --root . --filter src/ --print-summary --output $(COVERAGE_BUILD)/coverage.txt \
	      $(COVERAGE_BUILD)

clean:
	rm -rf $(BUILD) $(COVERAGE_BUILD)
