# Front door: make build | run | test | bench | format | sanitize | fuzz
#             | install | package | check-package | windows | windows-test
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
PACKAGES   := cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n fonts-noto-cjk
PREFIX     ?= /usr/local

.PHONY: all deps build run test bench format sanitize fuzz install package check-package \
        windows windows-test clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/zarnet

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@tools/install-deps.sh hyperfine
	$(BUILD)/bin/zarnet-bench
	bench/cli-vs-seq.sh $(BUILD)/bin/zarnet-cli

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARNET_SANITIZE=ON -DZARNET_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

fuzz:
	@tools/install-deps.sh $(PACKAGES) clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARNET_FUZZ=ON -DZARNET_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

format:
	@tools/install-deps.sh clang-format
	git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs -r clang-format -i

# DESTDIR, when set, is honoured by cmake --install itself.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb in $(BUILD)/, its dependencies taken from the binaries.
package: build
	@tools/install-deps.sh dpkg-dev file
	cd $(BUILD) && cpack -G DEB

# The data files' validators, and lintian on the package.
check-package: package
	tools/check-package-data.sh
	@tools/install-deps.sh lintian
	lintian --allow-root --fail-on error $(BUILD)/zarnet_*.deb

# The Qt-free layers, zarnet-cli.exe and their tests for 64-bit Windows,
# linked statically; the tests run under Wine in a prefix of their own.
windows:
	@tools/install-deps.sh cmake make g++-mingw-w64-x86-64-posix googletest
	cmake -S . -B $(WIN_BUILD) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_BUILD) -j $(JOBS)

windows-test: windows build
	@tools/install-deps.sh wine wine64
	tools/windows-test.sh $(WIN_BUILD) $(BUILD)/bin/zarnet-cli

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
