# Trezalia: make run | make test | make build | make screenshots | make media
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all build run test deps test-deps screenshots media contact-sheet clean install uninstall

all: build

deps:
	@tools/install-deps.sh

test-deps:
	@tools/install-deps.sh test

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/trezalia

test: test-deps build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# PNG of every screen, taken under Xvfb, into docs/screenshots/
screenshots: test-deps build
	TREZALIA=$(CURDIR)/$(BUILD)/trezalia SRC=$(CURDIR) bash tools/screenshots.sh docs/screenshots

# Regenerates media/ from the generators under tools/
media:
	bash tools/gen-media.sh

contact-sheet:
	bash tools/catalogue/contact-sheet.sh

clean:
	rm -rf $(BUILD)

# Installs into $(DESTDIR)$(PREFIX): bin/trezalia (the launcher), the game
# under libexec/trezalia, share/trezalia/media, the menu entry and icons.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# Removes every file the last install listed in $(BUILD)/install_manifest.txt,
# then the trezalia folders left empty (same DESTDIR as for the install).
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "uninstall: no $(BUILD)/install_manifest.txt, nothing was installed from $(BUILD)" >&2; exit 1; }
	@$(UNINSTALL_PATHS) | xargs -r -d '\n' rm -f --
	@$(UNINSTALL_PATHS) | sed 's|/[^/]*$$||' | sort -u | while IFS= read -r d; do \
	  while case "$$d/" in */trezalia/*) true ;; *) false ;; esac && rmdir "$$d" 2>/dev/null; do d=$${d%/*}; done; \
	done

# The manifest's paths (its last line has no newline), each with DESTDIR in front.
UNINSTALL_PATHS = while IFS= read -r f || [ -n "$$f" ]; do \
	  case $$f in "") continue ;; "$(DESTDIR)"/*) ;; *) f="$(DESTDIR)$$f" ;; esac; \
	  printf '%s\n' "$$f"; \
	done < $(BUILD)/install_manifest.txt

# --- Sanitizers, damaged media, monkey test, benchmarks ---------------------
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
ASAN_ENV = KEEP_MODULES=$(CURDIR)/$(ASAN_BUILD)/keep_modules.so; export KEEP_MODULES; . tests/sanitizers/env.sh
MONKEY_SECONDS ?= 300

.PHONY: asan asan-build bad-media monkey bench bench-deps

asan-build: test-deps
	cmake -S . -B $(ASAN_BUILD) -DTREZALIA_ASAN=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	g++ -shared -fPIC -O2 -o $(ASAN_BUILD)/keep_modules.so tests/sanitizers/keep_modules.cpp

# Unit tests and every end-to-end script with AddressSanitizer and UBSan.
asan: asan-build
	bash -c '$(ASAN_ENV) && cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)'

# The damaged-media cases alone, with the sanitizers; the table goes to
# $(ASAN_BUILD)/bad_media.md.
bad-media: asan-build
	bash -c '$(ASAN_ENV) && TREZALIA=$(CURDIR)/$(ASAN_BUILD)/trezalia SRC=$(CURDIR) \
	  BAD_MEDIA_FULL=1 BAD_MEDIA_TABLE=$(CURDIR)/$(ASAN_BUILD)/bad_media.md bash tests/e2e/bad_media.sh'

# Random input for MONKEY_SECONDS (default 300) under the sanitizers;
# MONKEY_SEED=n replays a run.
monkey: asan-build
	bash -c '$(ASAN_ENV) && TREZALIA=$(CURDIR)/$(ASAN_BUILD)/trezalia SRC=$(CURDIR) \
	  bash tools/monkey.sh $(MONKEY_SECONDS) $(MONKEY_SEED)'

bench-deps:
	@tools/install-deps.sh bench

# In-process benchmarks, start-up times and memory; prints the tables.
bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -DTREZALIA_BENCH=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	BUILD=$(CURDIR)/$(BENCH_BUILD) SRC=$(CURDIR) bash tools/bench.sh
