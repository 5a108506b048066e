# make run / make test / make bench: install what is missing, build with CMake and Ninja, then act.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench golden-update clean install package

all: build

deps:
	@bash scripts/setup-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-planner $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Rewrites the expected files of the golden runs (tests/golden) after a reviewed change.
golden-update: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target golden_case
	cd $(BUILD_DIR) && TARVEL_GOLDEN_UPDATE=1 ctest -R '^golden\.' --output-on-failure

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD_DIR)

# The desktop program installed under PREFIX, and its Debian package in the build folder.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack -G DEB
