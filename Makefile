# make test   installs what is missing, builds both targets, runs every test.
# make fuzz   runs each fuzz target for FUZZ_SECONDS (default 300) seconds.
# make bench  the script face's speed, natively and on the 32-bit build.
.PHONY: test bootstrap build native win32 fuzz-build fuzz format clean bench run

FUZZ_SECONDS ?= 300
FUZZ_TARGETS := read_gradation_bytes load_project_data

test: build
	@status=0; \
	ctest --preset fuzz -j2 || status=1; \
	cat build/fuzz/work/*/summary.txt 2>/dev/null || true; \
	ctest --preset native -j2 || status=1; \
	xvfb-run -a ctest --preset win32 -j2 || status=1; \
	exit $$status

bootstrap:
	@scripts/bootstrap.sh

build: native win32 fuzz-build

native: bootstrap
	cmake --preset native -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset native

win32: bootstrap
	cmake --preset win32 -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset win32

fuzz-build: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

fuzz: fuzz-build
	@status=0; \
	for name in $(FUZZ_TARGETS); do \
	  scripts/run-fuzzer.sh $$name build/fuzz/tests/fuzz/$${name}_fuzzer $(FUZZ_SECONDS) \
	    build/fuzz/work/$$name build/fuzz/tests/fuzz/seeds/$$name || status=1; \
	done; \
	exit $$status

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h' '*.c')

clean:
	rm -rf build

# make bench  the script face's speed, natively and on the 32-bit build under Wine.
bench: bootstrap
	cmake --preset native -DVELUMBRA_BENCHMARKS=ON >/dev/null
	cmake --build --preset native -j2 --target script_face_bench
	cmake --preset win32 -DVELUMBRA_BENCHMARKS=ON >/dev/null
	cmake --build --preset win32 -j2 --target script_face_bench
	@grep -m1 'model name' /proc/cpuinfo
	@echo "== native (x86-64) =="
	build/native/bench/script_face_bench
	@echo "== win32 (i686, under Wine) =="
	scripts/wine-run.sh build/win32/bench/script_face_bench.exe

# make run  opens the editor in the host program under Wine; without a
# display, under Xvfb, saving the window to build/screenshot.png instead.
# Wine in a Japanese locale, so that the plug-in's code page 932 captions
# read as they do in the host it is made for.
run: native win32
	@if [ -n "$$DISPLAY" ]; then \
	  LANG=ja_JP.UTF-8 scripts/wine-run.sh build/win32/velumbra-host.exe; \
	else \
	  LANG=ja_JP.UTF-8 xvfb-run -a scripts/wine-run.sh build/win32/velumbra-host.exe \
	    --screenshot "Z:$(CURDIR)/build/screenshot.png" && \
	  echo "no display: window saved to build/screenshot.png"; \
	fi
