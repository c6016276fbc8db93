# The commands of the project; see README.md.
BUILD ?= build
JOBS  ?= $(shell nproc)
# Warnings fail the build (WERROR=OFF to look at them without stopping).
WERROR ?= ON

.PHONY: deps configure build run test bench asan fuzz clean

deps:
	bash scripts/install-deps

configure:
	@grep -qs '^DJ_WERROR:BOOL=$(WERROR)$$' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDJ_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	$(BUILD)/bin/dj7351

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Ends non-zero, listing the rows, when a figure is past its target.
bench: deps build
	@bash scripts/bench $(BUILD)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, leaks
# included; tests/lsan.supp names the leaks that are not ours.
asan: deps
	@test -f build-asan/CMakeCache.txt || cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDJ_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# The Jet rewrite under libFuzzer for a short while (clang; not part of CI).
FUZZ_SECONDS ?= 60
fuzz:
	bash scripts/install-deps --fuzz
	@test -f build-fuzz/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDJ_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_jetsql
	mkdir -p build-fuzz/corpus/jetsql
	build-fuzz/bin/fuzz_jetsql -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build-fuzz/ -dict=fuzz/jetsql.dict build-fuzz/corpus/jetsql fuzz/corpus/jetsql

clean:
	rm -rf $(BUILD) build-asan build-fuzz
