# Kurvex: the two commands of the README, and the pieces they are made of.
#   make run    install what is missing, build, start the speed-test program
#               (headless speed test when there is no display)
#   make test   install what is missing, build, run every test, then again under
#               AddressSanitizer + UndefinedBehaviorSanitizer
#   make bench  build and run the micro-benchmarks and the headless speed test
#   make fuzz   build the libFuzzer programs with clang (tree build-fuzz) and run each for
#               FUZZ_SECONDS (default 60), FUZZ_JOBS at a time (default 1); the long runs, all
#               targets at once: make fuzz FUZZ_SECONDS=1800 FUZZ_JOBS=7

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS  ?= 1
FUZZ_TARGETS ?= layout png jpeg bmp formatting chart canvas
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build build-asan test test-release test-asan bench run golden fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_SANITIZE=ON -DKX_BUILD_BENCH=OFF $(CMAKE_FLAGS)

$(FUZZ_BUILD)/build.ninja:
	scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_FUZZ=ON \
	  -DKX_BUILD_QT=OFF -DKX_BUILD_BENCH=OFF $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-release: build
	scripts/test $(BUILD)

test-asan: build-asan
	scripts/test $(ASAN_BUILD)

test: test-release test-asan

fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix kx-fuzz-,$(FUZZ_TARGETS))
	FUZZ_JOBS=$(FUZZ_JOBS) scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	scripts/bench $(BUILD)

run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target kurvex-speedtest kurvex-bench
	scripts/run $(BUILD)

# Rewrites the golden images from the current renderer; review the diff before committing.
golden: build
	KX_UPDATE_GOLDEN=1 scripts/test $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
