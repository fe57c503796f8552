# The two commands of the README, and a few helpers for developers.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-main test-asan bench fuzz format clean install

all: build

deps:
	@scripts/install-deps.sh

# lld links the large test programs faster than the default linker.
LINK_LLD   := -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_WERROR=ON $(LINK_LLD)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD)/gui/quellbrandiren ]; then \
	  $(BUILD)/gui/quellbrandiren data/samples/sample.qbd; \
	else \
	  echo "No display: rendering the sample to $(BUILD)/sample.png"; \
	  $(BUILD)/cli/quellbrandiren-cli render data/samples/sample.qbd $(BUILD)/sample.png; \
	fi

test: test-main test-asan

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# built with clang: a second compiler's warnings, and it builds the
# instrumented tests in half the time gcc takes.
test-asan: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DQB_WERROR=ON -DQB_SANITIZE=ON -DQB_BUILD_BENCH=OFF $(LINK_LLD)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/qb_*_bench; do echo "== $$b"; $$b; done

# libFuzzer programs need clang; each runs FUZZ_SECONDS on its own corpus
# folder, seeded from the kept inputs in tests/data/fuzz/, with the words of
# its format from fuzz/dict/ where there are any.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQB_BUILD_FUZZ=ON -DQB_SANITIZE=ON -DQB_BUILD_BENCH=OFF -DQB_WITH_QT=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(FUZZ_BUILD)/fuzz/*_fuzz; do \
	  name=$$(basename $$f _fuzz); mkdir -p fuzz/corpus-$$name; \
	  dict=$$(scripts/fuzz-dict.sh $$name); \
	  echo "== $$name $$dict"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) $$dict fuzz/corpus-$$name tests/data/fuzz/$$name || exit 1; \
	done

# The programs live in their own folder beside the holiday rules they read
# from there; bin/ holds links to them. DESTDIR stages a package.
PREFIX  ?= /usr/local
APPDIR  := $(PREFIX)/lib/quellbrandiren

install:
	install -d $(DESTDIR)$(APPDIR) $(DESTDIR)$(PREFIX)/bin \
	  $(DESTDIR)$(PREFIX)/share/applications $(DESTDIR)$(PREFIX)/share/mime/packages
	install -m 755 $(BUILD)/gui/quellbrandiren $(BUILD)/cli/quellbrandiren-cli $(DESTDIR)$(APPDIR)/
	install -m 644 data/Holidays.xml $(DESTDIR)$(APPDIR)/
	install -m 644 "$(BUILD)/gui/ユーザーズマニュアル.pdf" $(DESTDIR)$(APPDIR)/
	ln -sf $(APPDIR)/quellbrandiren $(DESTDIR)$(PREFIX)/bin/quellbrandiren
	ln -sf $(APPDIR)/quellbrandiren-cli $(DESTDIR)$(PREFIX)/bin/quellbrandiren-cli
	install -m 644 data/quellbrandiren.desktop $(DESTDIR)$(PREFIX)/share/applications/
	install -m 644 data/quellbrandiren-mime.xml \
	  $(DESTDIR)$(PREFIX)/share/mime/packages/quellbrandiren.xml
	if command -v update-mime-database >/dev/null; then \
	  update-mime-database $(DESTDIR)$(PREFIX)/share/mime || true; fi
	if command -v update-desktop-database >/dev/null; then \
	  update-desktop-database $(DESTDIR)$(PREFIX)/share/applications || true; fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
