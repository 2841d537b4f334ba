# Quorlink: `make demo` shows the plug-in at work under Wine, `make test` runs
# every test layer. Both install the Debian packages they need first.

PYTHON := /usr/bin/python3
CONFIGURE = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)
# The project's version, written once: project(Quorlink VERSION ...) in CMakeLists.txt.
VERSION := $(shell sed -n 's/^project(Quorlink VERSION \([0-9.]*\).*)$$/\1/p' CMakeLists.txt)
ZIP := dist/quorlink-$(VERSION).zip

.PHONY: deps lint native sanitize fuzz-build win64 win32 dist demo test bench fuzz clean

deps:
	@sh tools/install-deps.sh

native sanitize win64 win32: deps
	$(call CONFIGURE,$@)

fuzz-build: deps
	$(call CONFIGURE,fuzz)

# Only the product ships: the 32-bit DLL. The 64-bit one is a test build.
dist: win32
	rm -rf dist && mkdir -p dist/x86
	cp build/win32/QuorlinkU.dll dist/x86/QuorlinkU.dll
	$(PYTHON) tools/make_dist_zip.py $(ZIP) x86/QuorlinkU.dll=dist/x86/QuorlinkU.dll \
		README.md=README.md CHANGELOG.md=CHANGELOG.md LICENSE=LICENSE

demo: dist
	bash tools/demo.sh build/win32 dist/x86/QuorlinkU.dll $(VERSION)

SOURCES := src tests tools bench fuzz

lint: deps
	cppcheck --enable=warning,style,performance,portability --std=c++20 --library=googletest \
		--inline-suppr --quiet --error-exitcode=1 -I src -I tests -I tools/host $(SOURCES)
	find $(SOURCES) -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror

test: lint native sanitize fuzz-build dist win64
	ctest --preset native
	ctest --preset sanitize
	ctest --preset fuzz -j2
	rm -rf build/release && $(PYTHON) -m zipfile -e $(ZIP) build/release
	$(PYTHON) tests/static/check_dll.py build/release/x86/QuorlinkU.dll i386 $(VERSION)
	$(PYTHON) tests/static/check_dll.py build/win64/QuorlinkU.dll amd64 $(VERSION)
	@# Both Wine layers run, whichever fails.
	ctest --preset win64; layer64=$$?; ctest --preset win32 && [ $$layer64 -eq 0 ]

bench: native
	build/native/bench/quor_bench --benchmark_out=build/native/bench.json --benchmark_out_format=json
	$(PYTHON) bench/summary.py build/native/bench.json

fuzz: fuzz-build
	sh fuzz/run.sh 300

clean:
	rm -rf build dist
