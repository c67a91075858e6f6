# make test  - install what is missing, build everything, run every test
# make run   - install what is missing, build and start the installer
# make windows - build/win32/Install.exe (ships) and build/win64/Install.exe
# make dist  - dist/: the Windows zip, the Debian package and SHA256SUMS
# make screenshots - docs/images/, from both programs under Xvfb
# make bench - Release benchmarks against their baselines, peak memory, Install.exe sizes, start time
# make fuzz  - each fuzz target for FUZZ_SECONDS, then ROUND_TRIPS generated install round trips
.PHONY: format-check all bootstrap native win64 win32 windows test test-native test-fuzz test-windows fuzz run dist format clean screenshots bench

all: native windows

bootstrap:
	@tools/bootstrap.sh

native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native

win64: bootstrap
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

win32: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

windows: win32 win64

test-native: native
	ctest --preset native

# The cross-built tests run under Wine (64-bit only, so the win64 build) through
# cmake/wine-run.sh, which gives every test program its own Xvfb display; DISPLAY is not used.
# The first run makes the Wine prefix build/win64/wineprefix (the ctest fixture wine_prefix,
# about 15 s); later runs reuse it. Delete that folder to start from a fresh prefix.
test-windows: windows
	ctest --preset win64

# The fuzz targets for 20 s each; `make fuzz` runs them as long as asked.
test-fuzz: bootstrap
	tools/fuzz.sh 20

FUZZ_SECONDS ?= 600
ROUND_TRIPS ?= 500
fuzz: bootstrap
	tools/fuzz.sh $(FUZZ_SECONDS) $(ROUND_TRIPS)

test: format-check test-native test-fuzz test-windows

format-check: bootstrap
	@tools/check-format.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

run: bootstrap
	@tools/run.sh

dist: bootstrap
	@tools/make-dist.sh

screenshots: bootstrap
	@tools/make-screenshots.sh

bench: bootstrap
	@tools/bench.sh

clean:
	rm -rf build
