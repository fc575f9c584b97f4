# The two set-up commands are `make run` and `make test`.
BUILD ?= build/release
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all configure build run test bench longrun data grammar fuzz sanitize clean

all: build

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Build only the program (no tests, benchmarks or tools) and start it on the
# bundled data.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target zunoka
	cd data && ../$(BUILD)/zunoka

# Build and pass every test.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Regenerate the bundled dictionaries in data/ from the installed edict package.
data: configure
	cmake --build $(BUILD) -j $(JOBS) --target edict_data

# Regenerate the rule files in data/ from the grammar tables in tools/grammar.
grammar: configure
	cmake --build $(BUILD) -j $(JOBS) --target grammar_data

# Build everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# pass every test there.
ASAN_BUILD ?= build/asan
sanitize:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZUNOKA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Build the libFuzzer targets with clang and run each for FUZZ_SECONDS.
FUZZ_BUILD ?= build/fuzz
FUZZ_SECONDS ?= 30
fuzz:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUNOKA_FUZZ=ON -DZUNOKA_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Benchmarks on the bundled data: in-process figures (the rconj median and
# slowest form among them), then whole-process figures beside MeCab's,
# measured in the same run, with start-up on the dictionaries ten times over.
BENCH_RUNS ?= 5
bench: build
	$(BUILD)/bench/engine_bench
	$(BUILD)/bench/process_bench $(BUILD)/zunoka data bench/rconj_forms.txt \
	  --runs $(BENCH_RUNS) --scale 10

# One long session of mixed commands over the bundled data, printing the
# program's resident memory every LONGRUN_EVERY commands, so that growth over
# a long run shows (under a minute for the default length, once built).
LONGRUN_COMMANDS ?= 100000
LONGRUN_EVERY ?= 10000
longrun: build
	tests/longrun/longrun.py --binary $(BUILD)/zunoka --data data \
	  --commands $(LONGRUN_COMMANDS) --every $(LONGRUN_EVERY)

clean:
	rm -rf build
