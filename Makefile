# make run      builds Tastrum alone, lays out its program folder and starts it
# make test     builds everything and runs every test, headless
# make package  builds the program alone (no tests, no benchmarks) and makes
#               the Debian package
BUILD       ?= build
PACKAGE_BUILD ?= build-package
ASAN_BUILD  ?= build-asan
PROGRAM_DIR ?= $(HOME)/Tastrum
JOBS        ?= 2

.PHONY: run test build program configure install package deps clean

deps:
	tools/install-deps.sh build

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The program alone, without the tests and benchmarks, for make run.
program: configure
	cmake --build $(BUILD) --target tastrum -j$(JOBS)

# Installing refreshes only the shipped files; Data/Pupils is never touched.
install: program
	cmake --install $(BUILD) --prefix $(PROGRAM_DIR)

run: install
	tools/install-deps.sh run
	cd $(PROGRAM_DIR) && ./tastrum

package:
	tools/install-deps.sh package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
	      -DTASTRUM_BENCHMARKS=OFF
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	rm -f $(PACKAGE_BUILD)/tastrum_*.deb
	cd $(PACKAGE_BUILD) && cpack
	@echo "Debian package: $$(ls $(PACKAGE_BUILD)/tastrum_*.deb)"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTASTRUM_CORE_ONLY=ON -DTASTRUM_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD)
