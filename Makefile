# Trezalia: make run | make test | make build | make screenshots | make media
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all build run test deps test-deps screenshots media contact-sheet clean

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
