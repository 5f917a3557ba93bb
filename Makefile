# The two commands of the README: `make run` and `make test`. Both install what is missing
# (Debian packages), then build in Release under build/. The benchmarks and the fuzz target
# have build folders of their own, so that neither reconfigures build/.
BUILD := build
BENCH_BUILD := build-bench
JOBS := $(shell nproc 2>/dev/null || echo 2)
# The build's own makes need not say which folder they enter.
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build run test bench fuzz format translations clean check-asan check-clang

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBRISVANE_BENCH=OFF >/dev/null

# The install manifest is made here, as the user, so that `sudo make install` later writes into
# a file of the user's rather than leave one of root's in build/.
build: configure
	@cmake --build $(BUILD) -j$(JOBS)
	@touch $(BUILD)/install_manifest.txt

# Only the program and what lies beside it: no test programs.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target brisvane brisvane_data
	@$(BUILD)/brisvane

# CTEST_ARGS='-LE "browser|display"' leaves out the tests that start browsers or a display.
test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DBRISVANE_BENCH=ON \
		-DBRISVANE_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS)
	@QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/brisvane_bench

# The profile file layer under libFuzzer (clang, address and undefined-behaviour sanitizers),
# for FUZZ_SECONDS seconds, then the page reader for READER_FUZZ_SECONDS. The corpora grow in
# build-fuzz/corpus and build-fuzz/reader-corpus; inputs that fail land in build-fuzz/crashes/,
# and the target fails when there are any. The runs go on past a failing input (-fork=1
# -ignore_crashes=1), so that one known failure hides no other.
FUZZ_SECONDS ?= 600
READER_FUZZ_SECONDS ?= 120
FUZZ_BUILD := build-fuzz

fuzz:
	@scripts/install-deps fuzz
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@rm -rf $(FUZZ_BUILD)/crashes
	@mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/reader-corpus $(FUZZ_BUILD)/crashes
	@$(FUZZ_BUILD)/profile_fuzz -max_total_time=$(FUZZ_SECONDS) -fork=1 -ignore_crashes=1 \
		-timeout=10 -rss_limit_mb=2048 -dict=fuzz/profile.dict \
		-artifact_prefix=$(FUZZ_BUILD)/crashes/ $(FUZZ_BUILD)/corpus fuzz/seeds
	@$(FUZZ_BUILD)/reader_fuzz -max_total_time=$(READER_FUZZ_SECONDS) -fork=1 -ignore_crashes=1 \
		-timeout=10 -rss_limit_mb=2048 -artifact_prefix=$(FUZZ_BUILD)/crashes/ \
		$(FUZZ_BUILD)/reader-corpus fuzz/reader-seeds
	@n=$$(find $(FUZZ_BUILD)/crashes -type f | wc -l); \
		if [ "$$n" -ne 0 ]; then echo "fuzz: $$n failing inputs in $(FUZZ_BUILD)/crashes/"; exit 1; fi

# The core and window tests built with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/, and run: any report fails them. Leaks are not looked for: the toolkit keeps
# caches for the life of the process, which the leak checker would report.
ASAN_BUILD := build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

check-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRISVANE_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS) --target core_tests ui_tests
	@ASAN_OPTIONS=detect_leaks=0 $(ASAN_BUILD)/core_tests --gtest_brief=1
	@ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen $(ASAN_BUILD)/ui_tests --gtest_brief=1

# Everything (program, tests, benchmarks) built with clang++ in build-clang/, warnings as errors
# as with g++, and the tests that need neither browsers nor a display run.
CLANG_BUILD := build-clang

check-clang:
	@scripts/install-deps fuzz
	@cmake -S . -B $(CLANG_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
		-DBRISVANE_BENCH=ON >/dev/null
	@cmake --build $(CLANG_BUILD) -j$(JOBS)
	@cd $(CLANG_BUILD) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) -LE "browser|display"

format:
	@scripts/check-format --fix

# translations/*.ts brought up to date with the windows' texts: a new text comes in unfinished,
# for a translator to fill in (`make test` fails until it is), and one gone from the code leaves.
translations: configure
	@cmake --build $(BUILD) --target update-translations

clean:
	@rm -rf $(BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(ASAN_BUILD) $(CLANG_BUILD)
	@rm -rf $(PACKAGE_BUILD) brisvane_*.deb

# Installs what `make build` built under PREFIX; DESTDIR, when given, is put before it, as a
# packager's staging folder.
PREFIX ?= /usr/local
.PHONY: install package

# It builds nothing: run as root, a build would leave files of root's in build/.
install:
	@test -x $(BUILD)/brisvane || { echo "make install: nothing is built in $(BUILD)/ yet;" \
		"run make build first, as yourself" >&2; exit 1; }
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, brisvane_<version>_<arch>.deb, here in the top folder. It is built in a
# folder of its own, in Release and without the tests, so that build/ stays as it is.
PACKAGE_BUILD := build-package

package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBRISVANE_TESTS=OFF \
		-DBRISVANE_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	@rm -f $(PACKAGE_BUILD)/*.deb
	@cd $(PACKAGE_BUILD) && cpack -G DEB
	@cp $(PACKAGE_BUILD)/*.deb .
