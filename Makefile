# Thin wrapper over CMake: the commands people type.
BUILD_DIR := build/native
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: all build test run clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# make run ARGS=--matrizes for matrix mode
# (build messages go to standard error, so that standard output is the program's alone)
run: $(BUILD_DIR)/CMakeCache.txt
	@cmake --build $(BUILD_DIR) --target revareza -j $(JOBS) >&2
	@$(BUILD_DIR)/console/revareza $(ARGS)

clean:
	rm -rf build
