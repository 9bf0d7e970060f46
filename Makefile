# Thin wrapper over CMake presets: the commands people type.
JOBS ?= $(shell nproc)
ARGS ?=
NATIVE := build/native
X86_32 := build/x86-32

.PHONY: all build test test-math deps run install package web serve test-x86-32 test-sanitize fuzz fuzz-run bench clean

all: build

# Configure messages go to standard error, leaving standard output to what
# a target itself prints (make run configures on its own, quietly).
$(NATIVE)/CMakeCache.txt:
	@cmake --preset native >&2

build: $(NATIVE)/CMakeCache.txt
	cmake --build --preset native -j $(JOBS)

# Tests this machine cannot run for want of a package are skipped, not
# failed; the last line names them and what installs them.
test: build
	@rm -rf $(NATIVE)/skipped
	@ctest --preset native -j $(JOBS); status=$$?; tests/skipped_summary.sh $(NATIVE)/skipped; exit $$status

# The library's acos, sin, cos and atan2_near_axis against MPFR on 10^8
# arguments per function (MATH_COUNT), one process per core; needs
# libmpfr-dev (make deps).
MATH_COUNT ?= 100000000
test-math: build
	@test -x $(NATIVE)/tests/rounded_math_test || { echo "make test-math needs libmpfr-dev: make deps" >&2; exit 1; }
	tests/revareza/geometry/rounded_math_in_parts.sh $(NATIVE)/tests/rounded_math_test \
	  tests/revareza/geometry/rounded_math_hard_cases.txt $(MATH_COUNT) $(JOBS)

# Every Debian package the checks need (tools/install_deps.sh holds the
# list), then the web page's npm packages; a configured build looks for
# them again.
deps:
	tools/install_deps.sh
	@$(MAKE) --no-print-directory web/node_modules/.package-lock.json
	@if [ -f $(NATIVE)/CMakeCache.txt ]; then cmake --preset native >&2; fi

# make run ARGS=--matrizes for matrix mode. The terminal is the program's:
# configuring and building say what they do in a line each, on standard
# error, and nothing at all on a built tree (their messages go to
# build/native/make-run.log, shown if they fail).
run:
	@tools/build_for_run.sh native $(NATIVE) revareza $(JOBS)
	@$(NATIVE)/console/revareza $(ARGS)

# The program, its manual, the library (headers, static libraries, CMake
# package) and the Python module for PYTHON under PREFIX, from a build of
# its own without tests or tools; the module goes where PYTHON looks under
# PREFIX (make install PREFIX=$VIRTUAL_ENV PYTHON=$VIRTUAL_ENV/bin/python).
PREFIX ?= /usr/local
PYTHON ?= /usr/bin/python3
INSTALL_BUILD := build/install
install:
	@cmake --preset install -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DREVAREZA_PYTHON=$(PYTHON) >&2
	cmake --build --preset install -j $(JOBS)
	cmake --install $(INSTALL_BUILD)

# The Debian packages revareza (the program and its manual) and
# librevareza-dev (headers, static libraries, CMake and pkg-config files),
# and a tarball of both, in build/packages/, from a build of their own for
# /usr. lintian must find no error and no warning; then both are installed
# into a scratch root and run.
PACKAGE := build/package
$(PACKAGE)/CMakeCache.txt:
	@cmake --preset package >&2

package: $(PACKAGE)/CMakeCache.txt
	cmake --build --preset package -j $(JOBS)
	rm -rf build/packages
	cpack --config $(PACKAGE)/CPackConfig.cmake -B build/packages
	lintian --fail-on error,warning --display-info build/packages/*.deb
	tests/install/check_package.sh build/packages

# The web page in build/web/, for any static server: the library compiled
# to WebAssembly by Debian's emscripten (whose tools need NODE_PATH to find
# Debian's node modules), and the page's JavaScript with the parts of
# three.js it uses, bundled and minified by esbuild; both from
# web/node_modules, which npm ci installs from web/package-lock.json.
WEB_BUILD := build/wasm
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
# The page's three.js, the bundler esbuild and the browser test's
# puppeteer-core, at the versions web/package-lock.json pins.
web/node_modules/.package-lock.json: web/package-lock.json
	cd web && npm ci

$(WEB_BUILD)/CMakeCache.txt: web/node_modules/.package-lock.json
	@$(EMSCRIPTEN_ENV) emcmake cmake --preset web >&2

web: $(WEB_BUILD)/CMakeCache.txt
	$(EMSCRIPTEN_ENV) cmake --build --preset web -j $(JOBS)

# The page on this machine only: make serve PORT=8080 for another port. The
# page is built as make web builds it, saying so in one line when there is
# work to do (the messages go to build/wasm/make-serve.log, shown if a step
# fails), then the address is said. A port in use is said in one line, and
# make fails.
PORT ?= 8000
serve:
	@tools/build_for_serve.sh $(WEB_BUILD) $(JOBS)
	@$(PYTHON) web/serve.py $(PORT) build/web

# The 32-bit x86 build, its tests run under qemu-i386, and a comparison of
# its output with the native program's (hence the native build first).
$(X86_32)/CMakeCache.txt:
	@cmake --preset x86-32 >&2

test-x86-32: build $(X86_32)/CMakeCache.txt
	cmake --build --preset x86-32 -j $(JOBS)
	ctest --preset x86-32 -j $(JOBS)

# Every test, unit and black-box, built with AddressSanitizer (and leak
# checks) and UndefinedBehaviorSanitizer; any report fails the test.
SANITIZE := build/sanitize
$(SANITIZE)/CMakeCache.txt:
	@cmake --preset sanitize >&2

test-sanitize: $(SANITIZE)/CMakeCache.txt
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# libFuzzer targets (clang), and a bounded run of each: make fuzz-run FUZZ_SECONDS=600
FUZZ_SECONDS ?= 60
build/fuzz/CMakeCache.txt:
	@cmake --preset fuzz >&2

fuzz: build/fuzz/CMakeCache.txt
	cmake --build --preset fuzz -j $(JOBS)

fuzz-run: fuzz
	fuzz/run_fuzzers.sh $(FUZZ_SECONDS)

# The library's acos, sin, cos and atan2_near_axis against the C library's
# on the same arguments, throughput and latency in one table, each row's
# ratio against its target (failing past 1.5 times the target);
# project_points on 10^4 to
# 10^7 points against a memcpy of them and the Matrix4 * HVector and glm
# loops (failing past 1.3 times the memcpy at 10^7); matrix mode's speed
# against a from_chars/to_chars loop doing the same writes; then, if the
# Python module was built, revareza.project on 10^6 and 10^7 points against
# points.copy() and against the numpy expression of the same computation.
bench: build
	$(NATIVE)/bench/rounded_math_bench
	$(NATIVE)/bench/point_projection_bench
	bench/run_bench.sh $(NATIVE)
	@if [ -d $(NATIVE)/python/revareza ]; then \
	  echo "PYTHONPATH=$(NATIVE)/python $(PYTHON) bench/python_bench.py"; \
	  PYTHONPATH=$(NATIVE)/python $(PYTHON) bench/python_bench.py; \
	else echo "no Python module in $(NATIVE): its benchmark is skipped"; fi

clean:
	rm -rf build
