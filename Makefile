# Calevrin: make run | make test | make bench | make lint | make format | make format-check | make package
SHELL := /bin/bash
BUILD := build
BUILD_ASAN := build-asan
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Recommended packages are left out (systemd, Mesa, a second LLVM: over a gigabyte), so what
# the program needs at run time is named here: qt6-qpa-plugins (the X11 and Wayland windows),
# fonts-dejavu-core (a sans-serif font for menus and dialogs), file (dpkg-shlibdeps runs it).
PAQUETS := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
           qt6-qpa-plugins libqt6svg6 libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 fonts-dejavu-core shared-mime-info ccache clang-tidy clang-format \
           desktop-file-utils appstream dpkg-dev file libxlsxwriter-dev libzip-dev

.PHONY: deps build run test bench lint format format-check clean exemple package

# Installs only what is missing, so a ready machine never waits on apt.
deps:
	@manquants=""; for p in $(PAQUETS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || manquants="$$manquants $$p"; \
	done; \
	if [ -n "$$manquants" ]; then \
	  echo "Installation de :$$manquants"; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$manquants; \
	fi

# A warning is a defect: the build tree made here (the one the tests and CI use) stops on one.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALEVRIN_WERROR=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# On a copy in the build tree, so that saving never changes the bundled sample.
run: build
	@[ -f $(BUILD)/4eB.cl3 ] || cp examples/4eB.cl3 $(BUILD)/4eB.cl3
	./$(BUILD)/calevrin "$(CURDIR)/$(BUILD)/4eB.cl3"

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DCALEVRIN_MODELE_SEUL=ON -DCALEVRIN_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] || continue; echo "== $$b"; $$b; done

# The Debian package, build/calevrin_VERSION_ARCH.deb; CALEVRIN_TEST_PAQUET=1 make test installs it in a
# scratch Debian 12 root.
package: build
	cd $(BUILD) && cpack -G DEB

# Regenerates the sample class after a change of its generator.
exemple: build
	./$(BUILD)/calevrin-exemple examples/4eB.cl3

# clang-tidy over the program's folders (not tests/ nor bench/). TIDY_CHECKS narrows the checks:
# CI leaves out the path-sensitive analyser, which takes four times as long as the rest.
TIDY_DOSSIERS := fichiers|model|platform|document|controls|print|classeur|sheet|dialogs|stats|app|cli|examples
TIDY_CHECKS ?=
lint: build
	@run-clang-tidy -j $(JOBS) -quiet -p $(BUILD) -extra-arg=-Wno-unknown-warning-option $(if $(TIDY_CHECKS),-checks='$(TIDY_CHECKS)') \
	  '^$(CURDIR)/($(TIDY_DOSSIERS))/' 2>&1 | grep -v -e '^clang-tidy' -e 'warnings generated' -e '^$$'; \
	  exit $${PIPESTATUS[0]}

# Every tracked source, tests and benchmarks included.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
