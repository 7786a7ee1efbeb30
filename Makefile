# make run   - install what is missing, build and start Zelvane
# make test  - install what is missing, build and run every test headless
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test deps configure build bench bench-startup clean fuzz check-asan check-format golden

run: build
	./$(BUILD)/zelvane

test: build
	cd $(BUILD) && ctest --output-on-failure

deps:
	@bash tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

# make check-format - every C++ file as .clang-format lays it out
check-format: deps
	@bash tools/check-format.sh

# make golden - draw the golden pictures anew into tests/golden, at scale 1 and
#               at 2 and 1.5 (the @2x and @1.5x pictures); look at each changed
#               one (git diff --stat, then open it) before committing it.
golden: build
	cd $(BUILD) && for scale in 1 2 1.5; do \
	  ZELVANE_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale \
	    ./zelvane_golden_tests --gtest_filter=Golden.ScreensAndPrintedPages || exit 1; \
	done
	ZELVANE_UPDATE_GOLDEN=1 bash tests/print/pdf-golden.sh $(BUILD)/zelvane tests/golden $(BUILD)/pdf-golden

# make package - the Debian package $(BUILD)/zelvane_<version>_<arch>.deb (CPack)
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	./$(BUILD)/bench/zelvane_bench

# make bench-startup - start-up time and memory beside a bare Qt window (and
#                      gperiodic where installed), and the animation's CPU share,
#                      under Xvfb; STARTUP_RUNS alternating start-ups each and
#                      RSS_RUNS for the memory.
STARTUP_RUNS ?= 21
RSS_RUNS ?= 5
bench-startup: build
	@bash tools/install-deps.sh --bench
	cmake --build $(BUILD) --target mapwait barewindow
	bash bench/startup/bench-startup.sh $(BUILD) $(STARTUP_RUNS) $(RSS_RUNS)

clean:
	rm -rf $(BUILD)

# make fuzz  - build the fuzzers with clang and run one for FUZZ_TIME seconds:
#              FUZZ_TARGET=reader (the data file reader, the default) or
#              display (accepted files shown as table, sheet and atom). New
#              inputs go to $(FUZZ_BUILD)/corpus-<target>; the committed seeds
#              in fuzz/corpus are only read; findings land in $(FUZZ_BUILD)/findings.
FUZZ_BUILD ?= build-fuzz
FUZZ_TARGET ?= reader
FUZZ_TIME ?= 120
# Inputs are kept to eight records' worth: every check runs per record, and
# whole-table inputs cost forty times as much per run.
FUZZ_MAX_LEN ?= 4096
FUZZ_ARGS ?=
fuzz:
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang (apt-get install clang)" >&2; exit 1; }
	@test -f $(FUZZ_BUILD)/build.ninja || cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD)
	mkdir -p $(FUZZ_BUILD)/corpus-$(FUZZ_TARGET) $(FUZZ_BUILD)/findings
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	  ./$(FUZZ_BUILD)/zelvane_fuzz_$(FUZZ_TARGET) -max_total_time=$(FUZZ_TIME) -max_len=$(FUZZ_MAX_LEN) \
	    -timeout=10 -rss_limit_mb=2048 -artifact_prefix=$(FUZZ_BUILD)/findings/$(FUZZ_TARGET)- \
	    -print_final_stats=1 $(FUZZ_ARGS) $(FUZZ_BUILD)/corpus-$(FUZZ_TARGET) fuzz/corpus

# make check-asan - every test under AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of its own. Test discovery runs the test programs at build
# time, so the build step gets the same sanitizer options as ctest. Leaks inside
# fontconfig and libdbus are suppressed (tools/lsan.supp); strict_string_checks
# stays off because Qt's X11 keyboard set-up (libxkbcommon-x11) hands strndup
# names that are not NUL-terminated, which that check reports as an overflow.
ASAN_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:abort_on_error=0 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
check-asan: deps
	@test -f $(ASAN_BUILD)/build.ninja || cmake -S . -B $(ASAN_BUILD) -G Ninja -DZELVANE_SANITIZE=ON -DZELVANE_BENCH=OFF $(CMAKE_FLAGS)
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure
