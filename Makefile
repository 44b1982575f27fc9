# Front door: make build | run | test | bench | format | sanitize | clang
#             | fuzz | fuzz-replay | install | package | check-package
#             | windows | windows-package | windows-test
# Every build here treats warnings as errors; a plain cmake does not.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
CLANG_BUILD ?= build-clang
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
PACKAGES   := cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n fonts-noto-cjk \
              libcurl4-openssl-dev ca-certificates libssl-dev
PREFIX     ?= /usr/local

.PHONY: all deps build run test bench format sanitize clang fuzz fuzz-replay install package \
        check-package windows windows-package windows-test clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARNET_WERROR=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/zarnet

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@tools/install-deps.sh hyperfine time
	$(BUILD)/bin/zarnet-bench
	bench/cli-vs-seq.sh $(BUILD)/bin/zarnet-cli
	bench/cli-vs-cat.sh $(BUILD)/bin/zarnet-cli $(BUILD)/bin/zarnet-cpu-time

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARNET_SANITIZE=ON -DZARNET_BENCH=OFF \
	    -DZARNET_WERROR=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

# The whole tree, the window code and the tests included, built with clang
# too: what one compiler lets pass, the other may not.
clang: deps
	@tools/install-deps.sh clang
	CXX=clang++ cmake -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARNET_WERROR=ON
	cmake --build $(CLANG_BUILD) -j $(JOBS)

fuzz:
	@tools/install-deps.sh cmake make libgtest-dev clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARNET_FUZZ=ON \
	    -DZARNET_QT=OFF -DZARNET_BENCH=OFF -DZARNET_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zarnet_fuzz

# Each fuzz target once over its seed corpus: a few seconds, no fuzzing.
fuzz-replay: fuzz
	cd $(FUZZ_BUILD) && ctest -L fuzz-corpus --output-on-failure

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

# zarnet.exe, zarnet-cli.exe and every test for 64-bit Windows, linked
# statically against a Qt and a libcurl built once from Debian's own sources
# (about half an hour the first time, then reused from the cache).
windows:
	@tools/install-deps.sh cmake make g++-mingw-w64-x86-64-posix googletest
	tools/build-qt-windows.sh
	tools/build-curl-windows.sh
	cmake -S . -B $(WIN_BUILD) -DCMAKE_BUILD_TYPE=Release -DZARNET_BENCH=OFF -DZARNET_WERROR=ON \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DZARNET_QT_WINDOWS="$$(tools/build-qt-windows.sh --prefix)" \
	    -DZARNET_CURL_WINDOWS="$$(tools/build-curl-windows.sh --prefix)"
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The portable zip and the installer, in $(WIN_BUILD)/.
windows-package: windows
	@tools/install-deps.sh nsis zip binutils-mingw-w64-x86-64
	tools/windows-package.sh $(WIN_BUILD)

# Everything above under Wine, in a prefix of its own.
windows-test: windows-package build
	@tools/install-deps.sh wine wine64 xvfb xauth xdotool xclip imagemagick locales fonts-noto-cjk
	tools/windows-test.sh $(WIN_BUILD) $(BUILD)/bin/zarnet-cli

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(CLANG_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
