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
