# Vantrel Facturacion: see README.md.
BUILD ?= build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)

.PHONY: run test data bench build deps clean

run: build
	@test -f $(BIN)/general.gdb || $(BIN)/vantrel-datos $(BIN)
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    echo "No hay pantalla: se usa xvfb-run"; xvfb-run -a $(BIN)/VantrelFacturacion; \
	else $(BIN)/VantrelFacturacion; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

data: build
	@test -n "$(DIR)" || { echo "Uso: make data DIR=<carpeta>"; exit 2; }
	$(BIN)/vantrel-datos "$(DIR)"

bench: build
	$(BUILD)/bench/vantrel-bench

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@sh tools/install-deps.sh

clean:
	rm -rf $(BUILD)
