# The two commands of the README: `make run` and `make test`. Both install what is missing
# (Debian packages), then build in Release under build/.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build run test bench format clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBRISVANE_BENCH=OFF >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/brisvane

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBRISVANE_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)
	@QT_QPA_PLATFORM=offscreen $(BUILD)/brisvane_bench

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
