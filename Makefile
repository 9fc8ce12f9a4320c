# Kurvex: the two commands of the README, and the pieces they are made of.
#   make run    install what is missing, build, start the speed-test program
#               (headless speed test when there is no display)
#   make test   install what is missing, build, run every test, then again under
#               AddressSanitizer + UndefinedBehaviorSanitizer
#   make bench  build and run the micro-benchmarks and the headless speed test

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build build-asan test test-release test-asan bench run golden clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_SANITIZE=ON -DKX_BUILD_BENCH=OFF $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-release: build
	scripts/test $(BUILD)

test-asan: build-asan
	scripts/test $(ASAN_BUILD)

test: test-release test-asan

bench: build
	scripts/bench $(BUILD)

run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target kurvex-speedtest kurvex-bench
	scripts/run $(BUILD)

# Rewrites the golden images from the current renderer; review the diff before committing.
golden: build
	KX_UPDATE_GOLDEN=1 scripts/test $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
