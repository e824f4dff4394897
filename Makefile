# make test   installs what is missing, builds both targets, runs every test.
.PHONY: test bootstrap build native win32 format clean

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
