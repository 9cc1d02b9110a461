# The two commands of the README (`make run`, `make test`) and the developer targets.
# Each target installs what it needs first (scripts/install-deps.sh, idempotent, needs root once).

BUILD        ?= build
BUILD_FUZZ   ?= build-fuzz
BUILD_BENCH  ?= build-bench
BUILD_ASAN   ?= build-asan
BUILD_TYPE   ?= RelWithDebInfo
FUZZ_SECONDS ?= 60
CMAKE_FLAGS  ?=

.PHONY: deps configure build run test test-asan fuzz bench tidy

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/QV3DViewer/vistrel-light data/sample.ibw

# GL tests need a display: the whole suite runs inside one virtual X server.
test: build
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir $(BUILD) --output-on-failure -j2 --timeout 300

# The whole suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer; the
# suppressions file names the only leaks allowed, memory that system libraries lose or keep until
# exit. LeakSanitizer's own tracer now and then crashes at exit while Mesa's render threads end
# ("Tracer caught signal 11"), so a failed test runs once more; a real fault fails both times.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON \
	    -DQV_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_ASAN)
	ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir $(BUILD_ASAN) --output-on-failure -j2 --timeout 600 \
	        --repeat until-pass:2

# The checks of .clang-tidy over our own sources in the normal build's compile commands (the
# cross-built DLL's sources are not among them); any finding fails. TIDY_DIRS narrows it: CI checks
# what ships, since the tests and benchmarks, a third of the files, take half of the time.
TIDY_DIRS ?= app|base|bench|ibw|render|shellext|tests|tools|ui
tidy: build
	run-clang-tidy -p $(BUILD) -j $$(nproc) -quiet -extra-arg=-Wno-unknown-warning-option '$(CURDIR)/($(TIDY_DIRS))/'

# The Debian package of the normal build: $(BUILD)/vistrel-light_VERSION_ARCH.deb, its Depends
# from dpkg-shlibdeps.
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB

# The Windows bundle: QVIBWInfo.dll cross-built for x64 and x86 with the scripts that register
# the right one, as $(BUILD)/QVIBWInfo-VERSION-windows.zip. Optimised for size: Explorer and every
# file dialog load the DLL (and mingw's GCC 12 at -O3 warns falsely of overlapping copies).
BUILD_WIN64    ?= build-win64
BUILD_WIN32    ?= build-win32
WIN_BUILD_TYPE ?= MinSizeRel
WIN_FLAGS       = -G Ninja -DCMAKE_BUILD_TYPE=$(WIN_BUILD_TYPE) -DQV_BUILD_GUI=OFF -DQV_BUILD_TESTS=OFF \
                  -DQV_BUILD_BENCH=OFF $(CMAKE_FLAGS)
.PHONY: windows-bundle
windows-bundle: deps
	cmake -S . -B $(BUILD_WIN64) $(WIN_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake
	cmake --build $(BUILD_WIN64) --target QVIBWInfo
	cmake -S . -B $(BUILD_WIN32) $(WIN_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
	cmake --build $(BUILD_WIN32) --target QVIBWInfo
	mkdir -p $(BUILD)
	cmake -DX64_BUILD=$(BUILD_WIN64) -DX86_BUILD=$(BUILD_WIN32) -DOUTPUT=$(BUILD) -P packaging/windows/MakeWindowsBundle.cmake

# Every libFuzzer target (tests/fuzz/fuzz_*) runs for FUZZ_SECONDS under ASan and UBSan,
# starting from the seed corpus that its seed generator writes.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DQV_FUZZ=ON -DQV_BUILD_GUI=OFF -DQV_BUILD_BENCH=OFF
	cmake --build $(BUILD_FUZZ)
	./tests/fuzz/run-fuzzers.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# Every benchmark executable (bench_NAME) of a Release build runs in turn, inside a virtual X
# server for the ones that draw; one table of their figures and goals follows.
bench: deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_BENCH)
	./bench/bench-table.sh $(BUILD_BENCH)
