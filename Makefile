# make run      builds Tastrum, lays out its program folder and starts it
# make test     builds everything and runs every test, headless
# make package  builds as make build does, then makes the Debian package there
BUILD       ?= build
ASAN_BUILD  ?= build-asan
PROGRAM_DIR ?= $(HOME)/Tastrum
JOBS        ?= 2

.PHONY: run test build install package deps clean

deps:
	tools/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Installing refreshes only the shipped files; Data/Pupils is never touched.
install: build
	cmake --install $(BUILD) --prefix $(PROGRAM_DIR)

run: install
	tools/install-deps.sh run
	cd $(PROGRAM_DIR) && ./tastrum

package: build
	rm -f $(BUILD)/tastrum_*.deb
	cd $(BUILD) && cpack
	@echo "Debian package: $$(ls $(BUILD)/tastrum_*.deb)"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTASTRUM_CORE_ONLY=ON -DTASTRUM_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
