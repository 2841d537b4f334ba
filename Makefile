# Quorlink: `make demo` shows the plug-in at work under Wine, `make test` runs
# every test layer. Both install the Debian packages they need first.

PYTHON := /usr/bin/python3
CONFIGURE = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)

.PHONY: deps lint native sanitize fuzz-build win64 win32 dist demo test bench fuzz clean

deps:
	@sh tools/install-deps.sh

native sanitize win64 win32: deps
	$(call CONFIGURE,$@)

fuzz-build: deps
	$(call CONFIGURE,fuzz)

# The 32-bit DLL is the product; the 64-bit one is the same sources.
dist: win32 win64
	mkdir -p dist/x86 dist/x64
	cp build/win32/QuorlinkU.dll dist/x86/QuorlinkU.dll
	cp build/win64/QuorlinkU.dll dist/x64/QuorlinkU.dll
	$(PYTHON) tools/make_dist_zip.py dist/quorlink-2.0.0.9.zip \
		x86/QuorlinkU.dll=dist/x86/QuorlinkU.dll x64/QuorlinkU.dll=dist/x64/QuorlinkU.dll \
		README.md=README.md CHANGELOG.md=CHANGELOG.md LICENSE=LICENSE

demo: dist
	bash tools/demo.sh build/win64

SOURCES := src tests tools bench fuzz

lint: deps
	cppcheck --enable=warning,style,performance,portability --std=c++20 --library=googletest \
		--inline-suppr --quiet --error-exitcode=1 -I src -I tests -I tools/host $(SOURCES)
	find $(SOURCES) -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror

test: lint native sanitize fuzz-build dist
	ctest --preset native
	ctest --preset sanitize
	ctest --preset fuzz -j2
	rm -rf build/release && $(PYTHON) -m zipfile -e dist/quorlink-2.0.0.9.zip build/release
	$(PYTHON) tests/static/check_dll.py build/release/x86/QuorlinkU.dll i386
	$(PYTHON) tests/static/check_dll.py build/release/x64/QuorlinkU.dll amd64
	ctest --preset win64

bench: native
	build/native/bench/quor_bench --benchmark_out=build/native/bench.json --benchmark_out_format=json
	$(PYTHON) bench/summary.py build/native/bench.json

fuzz: fuzz-build
	sh fuzz/run.sh 300

clean:
	rm -rf build dist
