# make run / make test / make bench: install what is missing, build with CMake and Ninja, then act.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps deps-fuzz configure build run test bench golden-update clean install package fuzz test-sanitize

all: build

deps:
	@bash scripts/setup-deps

# The clang toolchain of the fuzzers comes on top of the usual packages.
deps-fuzz:
	@bash scripts/setup-deps --fuzz

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

# Reliability: libFuzzer targets (clang, with AddressSanitizer and UndefinedBehaviorSanitizer),
# each run for FUZZ_SECONDS from its corpus tests/fuzz/corpus/<reader>; and the Qt-free
# libraries with their tests built and run under both sanitizers in a second build folder.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
# address,undefined finds the most; undefined alone runs several times faster for long campaigns
# (replay their corpus through the default build afterwards).
FUZZ_SANITIZERS ?= address,undefined
FUZZERS = scenario scenario_json accounts startup small_files budget_file life_tables tradeoff_file report xy_graph_file plot_file plotter_file
SANITIZE_DIR ?= build-sanitize
SANITIZE_TESTS = model_tests engine_tests results_tests graphs_tests exchange_tests ui_tests \
                 calculators_tests save_kill_trials
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

fuzz: deps-fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$(FUZZ_SANITIZERS) -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	@for f in $(FUZZERS); do \
	  echo "== fuzz_$$f"; mkdir -p $(FUZZ_DIR)/corpus/$$f; \
	  nice -n 19 $(FUZZ_DIR)/tests/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/crash-$$f- $(FUZZ_DIR)/corpus/$$f tests/fuzz/corpus/$$f \
	    2>&1 | grep -E '^(stat::number_of_executed_units|==|SUMMARY|round trip)' || true; \
	  if ls $(FUZZ_DIR)/crash-$$f-* >/dev/null 2>&1; then echo "fuzz_$$f found a fault"; exit 1; fi; \
	done

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target $(SANITIZE_TESTS)
	@for t in $(SANITIZE_TESTS); do \
	  echo "== $$t (sanitized)"; \
	  (cd $(SANITIZE_DIR)/tests && ./$$t > $$t.log 2>&1) || { tail -50 $(SANITIZE_DIR)/tests/$$t.log; exit 1; }; \
	  tail -1 $(SANITIZE_DIR)/tests/$$t.log; \
	done
