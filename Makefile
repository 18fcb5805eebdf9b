# Set-up, build, run and test in one place. Every target installs what is
# missing, configures once and builds incrementally, so a second run does no
# needless work.

BUILD_DIR   ?= build
ASAN_DIR    ?= build-sanitize
TIDY_DIR    ?= build-tidy
PREFIX      ?= /usr/local
CMAKE_FLAGS ?=
CTEST_FLAGS ?= --output-on-failure -j2

PACKAGES := g++ make cmake ninja-build pkg-config \
            qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core \
            libopencv-imgproc-dev libopencv-imgcodecs-dev qt6-multimedia-dev \
            libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy \
            xvfb x11-utils dpkg-dev desktop-file-utils appstream \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            help2man man-db lintian

SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null || find model solver vision ui cli tests bench -name '*.cpp' -o -name '*.h')

.PHONY: all deps build run test test-asan test-table bench translations format format-check tidy package install uninstall clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    if [ "$$(id -u)" = 0 ]; then \
	        echo "Installing: $$missing"; \
	        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	    else \
	        echo "Missing Debian packages. Install them with:"; \
	        echo "  sudo apt-get install --no-install-recommends $$missing"; \
	        exit 1; \
	    fi; \
	fi

# The developer's loop and CI treat warnings as errors; a plain CMake build
# (a packager's) does not. The core and window tests are built and run in
# the sanitizer build only: compiling them twice would cost minutes.
$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DTURNIX_WERROR=ON -DTURNIX_BUILD_UI_TESTS=OFF \
	    -DTURNIX_BUILD_CORE_TESTS=OFF $(CMAKE_FLAGS)

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DTURNIX_SANITIZE=ON -DTURNIX_WERROR=ON -DTURNIX_BUILD_BENCH=OFF

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/bin/turnix

# What needs the optimised program in the plain build: the real program on
# X, its package and the command-line tool's exits; then every other test
# under ASan and UBSan; then the formatting check. The optimal solver's big
# table takes minutes to build and gigabytes to hold: its tests (label
# "table") are `make test-table`.
test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) $(CTEST_FLAGS) -LE table
	$(MAKE) --no-print-directory test-asan format-check

test-table: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) $(CTEST_FLAGS) -L table

# The real program on X, its package and the optimal solver's big table are
# the plain build's to test.
test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(ASAN_DIR) $(CTEST_FLAGS) -LE 'smoke|package|table'

bench: build
	cmake --build $(BUILD_DIR) --target turnix-bench
	$(BUILD_DIR)/bin/turnix-bench

# clang-tidy's bug-prone and performance checks over the project's sources.
# Over every source file, compiled one by one (no unity batches, no
# precompiled headers: those are GCC's); only Qt's generated sources are
# built for it.
tidy: deps
	cmake -S . -B $(TIDY_DIR) -G Ninja -DTURNIX_UNITY_BUILD=OFF -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON
	cmake --build $(TIDY_DIR) --target $$(ninja -C $(TIDY_DIR) -t targets all | sed -n 's/^\([A-Za-z0-9_-]*_autogen\): phony$$/\1/p')
	run-clang-tidy -quiet -p $(TIDY_DIR) -j2 '^$(CURDIR)/(model|solver|vision|cli|ui|tests|bench)/.*\.cpp$$'

# Gathers the window's new texts into ui/translations/*.ts, keeping every
# translation made; texts that are gone are dropped.
translations: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target update_translations

format: deps
	clang-format -i $(SOURCES)

format-check: deps
	clang-format --dry-run --Werror $(SOURCES)

# A Debian package in $(BUILD_DIR)/package/.
package: build
	cd $(BUILD_DIR) && cpack

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes what the last install from this build put in place.
uninstall:
	@test -f $(BUILD_DIR)/install_manifest.txt || { echo "Nothing was installed from $(BUILD_DIR)."; exit 1; }
	xargs -d '\n' rm -f < $(BUILD_DIR)/install_manifest.txt
	@grep '/lib/turnix/' $(BUILD_DIR)/install_manifest.txt | head -n 1 | xargs -r dirname \
	    | xargs -r rmdir --ignore-fail-on-non-empty
	rm -f $(BUILD_DIR)/install_manifest.txt

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TIDY_DIR)
