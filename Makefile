# The two set-up commands are `make run` and `make test`.
BUILD ?= build/release
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all configure build run test bench data grammar fuzz sanitize clean

all: build

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Start the program on the bundled data.
run: build
	cd data && ../$(BUILD)/zunoka

# Build and pass every test.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Regenerate the bundled dictionaries in data/ from the installed edict package.
data: configure
	cmake --build $(BUILD) -j $(JOBS) --target edict_data

clean:
	rm -rf build
