# make test   installs what is missing, builds both targets, runs every test.
.PHONY: test bootstrap build native win32 format clean bench

test: build
	@status=0; \
	ctest --preset native -j2 || status=1; \
	xvfb-run -a ctest --preset win32 -j2 || status=1; \
	exit $$status

bootstrap:
	@scripts/bootstrap.sh

build: native win32

native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native

win32: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

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
