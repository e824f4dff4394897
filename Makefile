# make test   installs what is missing, builds, runs every test.
# make fuzz   runs each fuzz target for FUZZ_SECONDS (default 300) seconds.
# make soak   the editor's soak test under Wine: SOAK_EVENTS events from seed
#             SOAK_SEED (each the program's default if unset); a failure says
#             how to replay it.
# make bench  the script face's speed, natively and on the Windows build, and
#             making a gradient map from a 4K picture, natively.
# make presets  regenerates presets/ and docs/presets.png.
# make dist   the release zip and its SHA256SUMS in dist/, checked.
# make dist-check  the release zip from two fresh clones of HEAD, compared.
# make pictures  the pictures of the editor in docs/.
# make docs   the HTML guides as the zip holds them, checked in chromium.
#
# The Windows tests and make run use the shipped 32-bit build where this
# machine can run 32-bit programs under Wine, else the 64-bit test build
# (scripts/windows-preset.sh says which, once per run, and why).
# WINDOWS_PRESET=win32 or WINDOWS_PRESET=win64 forces either.
.PHONY: test bootstrap build native win32 win32-shipped win64 tsan-build fuzz-build fuzz soak format clean bench run \
  presets dist dist-check pictures

FUZZ_SECONDS ?= 300
# The fuzz targets, as tests/fuzz/CMakeLists.txt reads them too.
FUZZ_TARGETS := $(strip $(file <tests/fuzz/targets.txt))
WINDOWS_PRESET ?=
export WINDOWS_PRESET
BUILD_WIN64 = cmake --preset win64 -DVELUMBRA_BENCHMARKS=OFF >/dev/null && cmake --build --preset win64

# The shipped files of the win32 build are always compiled and their static
# checks (import table, exports) always run; its tests are compiled and run
# under Wine only where 32-bit programs run.
test: native tsan-build fuzz-build win32-shipped
	@status=0; \
	ctest --preset fuzz -j2 || status=1; \
	cat build/fuzz/work/*/summary.txt 2>/dev/null || true; \
	ctest --preset tsan || status=1; \
	ctest --preset native -j2 || status=1; \
	preset=$$(scripts/windows-preset.sh) || exit 1; \
	if [ "$$preset" = win32 ]; then \
	  cmake --build --preset win32 || exit 1; \
	  xvfb-run -a ctest --preset win32 -j2 || status=1; \
	else \
	  ctest --preset win32 -L static || status=1; \
	  $(BUILD_WIN64) || exit 1; \
	  xvfb-run -a ctest --preset win64 -j2 || status=1; \
	fi; \
	exit $$status

bootstrap:
	@scripts/bootstrap.sh

build: native win32 tsan-build fuzz-build

native: bootstrap
	cmake --preset native -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset native

win32: bootstrap
	cmake --preset win32 -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset win32

# Only what ships: the library and velumbra.exe.
win32-shipped: bootstrap
	cmake --preset win32 -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset win32 --target Velumbra velumbra

# The 64-bit test build: never shipped, for machines without 32-bit support.
win64: bootstrap
	$(BUILD_WIN64)

# The thread tests alone, under ThreadSanitizer.
tsan-build: bootstrap
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan

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

# make presets  the preset library and its contact sheet, from the native
# velumbra and the colour map tables bootstrap unpacks; a test checks that
# the committed files are what this writes.
presets: bootstrap
	cmake --preset native -DVELUMBRA_BENCHMARKS=OFF >/dev/null
	cmake --build --preset native -j2 --target velumbra sample-photo
	tools/presets/make_presets.py --velumbra build/native/velumbra
	tools/presets/contact_sheet.py --velumbra build/native/velumbra \
	  --sample-photo build/native/sample-photo

# make soak: the editor's soak test on the Windows build the tests use.
SOAK_SEED ?=
SOAK_EVENTS ?=
soak: bootstrap
	@preset=$$(scripts/windows-preset.sh "the soak test") || exit 1; \
	cmake --preset $$preset -DVELUMBRA_BENCHMARKS=OFF >/dev/null && \
	cmake --build --preset $$preset -j2 --target soak_tests && \
	LANG=ja_JP.UTF-8 xvfb-run -a scripts/wine-run.sh build/$$preset/tests/soak_tests.exe \
	  $(if $(SOAK_SEED),--seed $(SOAK_SEED)) $(if $(SOAK_EVENTS),--events $(SOAK_EVENTS))

# make bench  the script face's speed, natively and on the Windows build
# under Wine (the 32-bit one where it can run, as for the tests), and the
# editor's repaint on the host program's window under Wine.
bench: bootstrap
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j2 --target script_face_bench tone_map_bench
	@preset=$$(scripts/windows-preset.sh "the Windows benchmarks") || exit 1; \
	cmake --preset $$preset -DVELUMBRA_BENCHMARKS=ON >/dev/null && \
	cmake --build --preset $$preset -j2 --target script_face_bench editor_repaint_bench && \
	grep -m1 'model name' /proc/cpuinfo && \
	echo "logical processors: $$(nproc); load: $$(cut -d' ' -f1-3 /proc/loadavg)" && \
	echo "== native (x86-64) ==" && \
	build/bench/bench/script_face_bench && \
	echo "== native gradient map from a 4K picture ==" && \
	build/bench/bench/tone_map_bench && \
	echo "== $$preset (under Wine) ==" && \
	scripts/wine-run.sh build/$$preset/bench/script_face_bench.exe && \
	echo "== $$preset editor repaint (under Wine) ==" && \
	LANG=ja_JP.UTF-8 xvfb-run -a scripts/wine-run.sh build/$$preset/bench/editor_repaint_bench.exe

# make run  opens the editor in the host program under Wine; without a
# display, under Xvfb, saving the window to build/screenshot.png instead.
# Wine in a Japanese locale, so that the plug-in's code page 932 captions
# read as they do in the host it is made for.
run: native win32
	@preset=$$(scripts/windows-preset.sh "the host program") || exit 1; \
	if [ "$$preset" = win64 ]; then $(BUILD_WIN64) || exit 1; fi; \
	host=build/$$preset/velumbra-host.exe; \
	if [ -n "$$DISPLAY" ]; then \
	  LANG=ja_JP.UTF-8 scripts/wine-run.sh $$host; \
	else \
	  LANG=ja_JP.UTF-8 xvfb-run -a scripts/wine-run.sh $$host \
	    --screenshot "Z:$(CURDIR)/build/screenshot.png" && \
	  echo "no display: window saved to build/screenshot.png"; \
	fi

# make dist  builds the shipped files, zips them with CPack into
# dist/Velumbra-<version>.zip with dist/SHA256SUMS, then checks the zip
# (tests/package/check_package.py).
dist: bootstrap
	scripts/make-dist.sh

# make dist-check  the same zip, byte for byte, from two fresh clones of HEAD
# (a few minutes; not part of make test).
dist-check: bootstrap
	scripts/dist-check.sh

# make docs  writes the HTML guides from the Markdown ones into
# build/docs/package/docs/, laid out as in the zip (open guide.html there),
# checks them in chromium (tests/docs/check_guides.py) and keeps the English
# page's first screen as docs/guide-screenshot.png for the README. The pages
# themselves are not committed: make dist writes them into the zip.
.PHONY: docs
docs: bootstrap
	python3 tests/docs/check_guides.py --source . --work build/docs
	cp build/docs/guide-screenshot.png docs/guide-screenshot.png

# make pictures  the README's and the guides' pictures of the editor, taken
# by the host program under Xvfb in a Japanese locale, as make run takes its
# screenshot: the window as it opens, the stop at 45 of
# docs/editing-example.lua selected, and the same with the canvas menu opened
# on the colour track, then with its presets submenu open; and a gradient
# map made from one photograph and applied to another, with its strip.
EDITING_SETUP = --script docs/editing-example.lua --click 188,84
PHOTOS = .deps/photos

pictures: native win32
	@preset=$$(scripts/windows-preset.sh "the pictures") || exit 1; \
	if [ "$$preset" = win64 ]; then $(BUILD_WIN64) || exit 1; fi; \
	host="env LANG=ja_JP.UTF-8 xvfb-run -a scripts/wine-run.sh build/$$preset/velumbra-host.exe"; \
	$$host --screenshot "Z:$(CURDIR)/docs/screenshot.png" && \
	$$host $(EDITING_SETUP) --screenshot "Z:$(CURDIR)/docs/editing.png" && \
	$$host $(EDITING_SETUP) --context-menu 188,80 --screenshot "Z:$(CURDIR)/docs/menu.png" && \
	$$host $(EDITING_SETUP) --context-menu 188,80 --open-submenu \
	  --screenshot "Z:$(CURDIR)/docs/menu-presets.png"
	scripts/bootstrap.sh --photos
	cmake --build --preset native --target velumbra picture-row
	mkdir -p build/pictures
	build/native/velumbra extract $(PHOTOS)/coffee.png build/pictures/coffee.grd
	build/native/velumbra map build/pictures/coffee.grd $(PHOTOS)/rocket.jpg build/pictures/rocket.png
	build/native/picture-row docs/gradient-map.png 180 $(PHOTOS)/coffee.png $(PHOTOS)/rocket.jpg \
	  build/pictures/rocket.png
	build/native/velumbra render build/pictures/coffee.grd docs/gradient-map-strip.png \
	  --width 270 --height 16
