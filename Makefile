# Shortcuts over the CMake presets. `make run` and `make test` are the two
# commands of the README; both install what is missing first.
FUZZ_SECONDS ?= 60

.PHONY: deps build run test test-release test-asan test-windows windows web test-web servir-web fuzz check-res paquete check-deb bench capturas format clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	build/release/ui/qt/velmora

test: test-release check-res paquete test-windows test-web fuzz test-asan

test-release: build
	ctest --preset release

# Velmora.exe and Velmora-<version>.msi in build/windows/ui/win32.
windows: deps
	cmake --preset windows
	cmake --build --preset windows

test-windows: windows
	scripts/probar-windows build/windows

# The page in build/web/ui/web/sitio: the core's tests under node, the page
# in headless Chromium (playwright-core from tests/ui/web/package-lock.json).
web: deps
	cmake --preset web
	cmake --build --preset web

test-web: web
	cd tests/ui/web && npm ci --no-audit --no-fund --loglevel=error
	ctest --preset web

# The page on http://localhost:8080/, as a user's browser would load it.
servir-web: web
	python3 -m http.server --bind 127.0.0.1 --directory build/web/ui/web/sitio 8080

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/velmora_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -print_final_stats=1 build/fuzz/corpus fuzz/corpus

check-res: build
	scripts/check-res build/release

# The package built and checked; installed with apt and removed only in CI
# (CI=true), or by check-deb.
paquete: build
	scripts/check-deb build/release

check-deb: build
	VELMORA_INSTALAR=1 scripts/check-deb build/release

bench: build windows web
	build/release/bench/velmora_calc_bench
	bench/arranque
	bench/pegar
	bench/arranque-windows
	bench/motores
	bench/sitio

capturas: build windows test-web
	scripts/capturas
	scripts/capturas-windows
	scripts/capturas-web

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
