# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
# The link tests mostly wait on the line, so ctest runs more of them at once than there are cores.
TEST_JOBS ?= 4

SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local
# ON (as CI sets it) makes every compiler warning of the build an error.
WERROR ?= OFF

.PHONY: all deps configure build run demo install package test-package test-windows test test-fleet test-faults test-demo test-accessibility test-sanitize analyse fuzz screenshots translations bench bench-micro bench-transfer bench-window bench-fleet format clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
		-DKLT_WERROR=$(WERROR)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/klt

# The editor against a simulated radio with a set-up memory: reading and programming without hardware.
demo: build
	bash scripts/demo $(BUILD)

# The program, its program folder, the desktop's entry and icons, and the serial ports' udev rule.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, klt-programmer_VERSION_amd64.deb in the build folder, made by CPack from the
# installed tree; test-package unpacks it into a scratch root and checks it (lintian, AppStream, the
# installed klt-cli).
package: build
	@bash scripts/install-deps --package
	cd $(BUILD) && rm -f klt-programmer_*.deb && cpack
test-package: package
	bash tests/install/package_test.sh $(BUILD) .

# Everything below Qt, klt-cli on the Win32 serial port and their tests, cross-built for 64-bit Windows
# with mingw-w64 (CMakePresets.json: windows-core-cross) and run under wine in a wine prefix of the build's
# own; GoogleTest is built for it from Debian's sources. klt-cli.exe is compared with the Linux build's
# and talks to its simulated radio through a COM port.
WINDOWS_BUILD := build-windows
WINDOWS_TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake
WINE_ENV := WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
test-windows: configure
	@bash scripts/install-deps --windows
	cmake --build $(BUILD) -j $(JOBS) --target klt-cli klt-radio-sim model_files
	cmake -S /usr/src/googletest -B $(WINDOWS_BUILD)/googletest -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_TOOLCHAIN) -DCMAKE_INSTALL_PREFIX=$(CURDIR)/$(WINDOWS_BUILD)/googletest-root
	cmake --build $(WINDOWS_BUILD)/googletest -j $(JOBS) --target install
	cmake --preset windows-core-cross -DKLT_WERROR=$(WERROR) -DKLT_LINUX_BIN_DIR=$(abspath $(BUILD))/bin
	$(WINE_ENV) wineboot --init >/dev/null 2>&1
	$(WINE_ENV) cmake --build --preset windows-core-cross -j $(JOBS)
	$(WINE_ENV) ctest --preset windows-core-cross -j $(TEST_JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(TEST_JOBS) -LE 'fault-matrix|demo|accessibility|fleet'

# Several simulated radios programmed at once by klt-cli fleet, on real pseudo-terminals.
test-fleet: build
	ctest --test-dir $(BUILD) --output-on-failure -j 4 -L fleet

# The editor walked as a screen reader sees it, over the accessibility bus on a virtual display.
test-accessibility: build
	ctest --test-dir $(BUILD) --output-on-failure -L accessibility

# The fault matrix: real transfers under every fault, most of the time waiting on the line.
test-faults: build
	ctest --test-dir $(BUILD) --output-on-failure -j 16 -L fault-matrix

# The demo radio read and programmed through the window by a scripted user (`make demo`'s own test).
test-demo: build
	ctest --test-dir $(BUILD) --output-on-failure -L demo

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKLT_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(TEST_JOBS) -LE 'fault-matrix|demo|accessibility'
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j 16 -L fault-matrix

# Static analysis: cppcheck over the sources (tests and benchmarks too), clang-tidy with the checks
# of .clang-tidy over src/ and tools/ (their headers included, not the generated files). Any finding
# fails, unless its line suppresses it and says why: `// NOLINT(check-name): reason` or
# `// cppcheck-suppress id ; reason`. clang-tidy reads the build's compile_commands.json, whose
# -Werror (WERROR=ON) it drops: clang's own warnings are not among the checks.
ANALYSE_SOURCES := '^$(CURDIR)/(src|tools)/'
ANALYSE_HEADERS := '^($(CURDIR)/(src|tools)|$(abspath $(BUILD))/include-roots)/'
analyse: build
	@bash scripts/install-deps --analyse
	@! git grep -nE 'NOLINT|cppcheck-suppress' -- src tools tests bench \
		| grep -vE 'NOLINT(NEXTLINE)?\([a-z0-9.,-]+\): [^ ]|cppcheck-suppress [A-Za-z0-9]+ ; [^ ]' \
		|| { echo 'a suppression above names no check or gives no reason'; exit 1; }
	cppcheck --quiet --error-exitcode=1 --std=c++20 --enable=warning,performance,portability \
		--library=qt --library=googletest --library=posix --inline-suppr -I src \
		-i $(BUILD) -i $(SANITIZE_BUILD) -i $(FUZZ_BUILD) -i $(WINDOWS_BUILD) --template=gcc .
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet -extra-arg=-Wno-error -header-filter=$(ANALYSE_HEADERS) $(ANALYSE_SOURCES)

# Each fuzz target explores for FUZZ_SECONDS with libFuzzer (clang), from its committed seed corpus.
fuzz:
	@bash scripts/install-deps --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKLT_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	bash scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The window's translations (translations/*.ts) again from the texts in src/, keeping those translated;
# a new or changed text comes out unfinished, and the tests fail until it is translated.
translations: configure
	cmake --build $(BUILD) --target update_translations

# Benchmarks (docs/performance.md): the program's own work, full transfers on a line as slow as the
# real one, and the window's start and responsiveness; built as `make run` builds the program.
bench-micro: configure
	cmake --build $(BUILD) -j $(JOBS) --target micro_bench
	$(BUILD)/bin/micro_bench

bench-transfer: configure
	cmake --build $(BUILD) -j $(JOBS) --target transfer_bench
	$(BUILD)/bin/transfer_bench $(BUILD)/bin $(BUILD)/transfer-work

bench-window: configure
	cmake --build $(BUILD) -j $(JOBS) --target window_bench
	bash scripts/bench-window $(BUILD)

# 1, 2, 4 and 8 radios programmed at once at the cable's speed: time, ratio to one, CPU per radio.
bench-fleet: build
	bash scripts/bench-fleet $(BUILD)

bench: bench-micro bench-transfer bench-window bench-fleet

# The README's pictures of the editor's pages, in English and German, and the window's pictures for a
# careful user (menus, a small window, dark, twice the size), taken on a virtual display.
screenshots: build
	@bash scripts/install-deps --screenshots
	bash scripts/take-screenshots $(BUILD) docs/screenshots
	bash scripts/take-german-screenshots $(BUILD) docs/screenshots
	bash scripts/take-careful-user-screenshots $(BUILD) docs/screenshots/careful-user after
	bash scripts/take-fleet-screenshot $(BUILD) docs/screenshots/fleet.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
