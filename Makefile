# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run sanitize asan tsan fuzz tidy format-check clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

run: build
	bash scripts/run-demo.sh $(BUILD_DIR)

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# threaded ones under ThreadSanitizer.
sanitize: asan tsan

# Every test, the fuzz targets' corpora among them, under AddressSanitizer and
# UndefinedBehaviorSanitizer (the kill campaign, labelled slow, is left out).
asan:
	$(MAKE) test PRESET=sanitize BUILD_DIR=build-sanitize

tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS) --target threaded_tests
	ctest --preset tsan -j $(JOBS)

# Every fuzz target for SECONDS seconds, libraries instrumented (clang, libFuzzer).
SECONDS ?= 60
fuzz:
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	bash scripts/run-fuzz.sh build-fuzz $(SECONDS)

# clang-tidy (the checks of .clang-tidy) over the product code, everything outside tests/ and
# bench/; any finding fails. Slow: run it in the background.
tidy: configure
	bash scripts/install-deps.sh clang-tidy
	bash scripts/run-tidy.sh $(BUILD_DIR) $(JOBS)

# Every tracked C++ file as the repository's .clang-format lays it out.
format-check:
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

clean:
	rm -rf build build-ci build-sanitize build-tsan build-fuzz
