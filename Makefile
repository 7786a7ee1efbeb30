# make run   - install what is missing, build and start Zelvane
# make test  - install what is missing, build and run every test headless
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test deps configure build bench clean

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

bench: build
	./$(BUILD)/bench/zelvane_bench

clean:
	rm -rf $(BUILD)
