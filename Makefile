# make run   : install what is missing, build, start the editor (no display: Xvfb + screenshot)
# make test  : install what is missing, build the three trees, run every test (native, fuzz corpus
#              replay, Wine, end-to-end)
# make bench : build and run the benchmarks (tables side by side with their references)
# make dist  : build the Windows installer and the portable zip into build/dist/
# make fuzz  : build the fuzz tree (clang) and fuzz every parser FUZZ_SECONDS (60) each, or
#              only FUZZ_TARGETS="rtf_reader encoding"; findings go to build/fuzz/tests/fuzz/findings
# Works with LC_ALL=C and no DISPLAY: the Wine wrapper sets its own locale and display.
SHELL := /bin/bash
NATIVE := build/native
WIN := build/win
FUZZ := build/fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: deps build build-fuzz test run bench dist fuzz clean screenshot
deps:
	@scripts/deps.sh

$(NATIVE)/build.ninja: | deps
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON
$(WIN)/build.ninja: | deps
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# the parsers alone, built by clang for libFuzzer (the program's own trees stay as they are)
$(FUZZ)/build.ninja: | deps
	cmake -S . -B $(FUZZ) -G Ninja -DFUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

build: deps $(NATIVE)/build.ninja $(WIN)/build.ninja
	cmake --build $(NATIVE) -j$(JOBS)
	cmake --build $(WIN) -j$(JOBS)

build-fuzz: deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j$(JOBS)

# the fuzz tree's tests replay each seed corpus and fuzz each parser a moment
test: build build-fuzz
	@rc=0; for b in $(NATIVE) $(FUZZ) $(WIN); do \
	  ctest --test-dir $$b -j$(JOBS) --output-on-failure 2>&1 | tee $$b/ctest.log; \
	  [ $${PIPESTATUS[0]} -eq 0 ] || rc=1; done; \
	echo "== native: $$(grep -h 'tests passed' $(NATIVE)/ctest.log)"; \
	echo "== fuzz:   $$(grep -h 'tests passed' $(FUZZ)/ctest.log)"; \
	echo "== win:    $$(grep -h 'tests passed' $(WIN)/ctest.log)"; \
	p=$$(cat $(NATIVE)/ctest.log $(FUZZ)/ctest.log $(WIN)/ctest.log | grep -c ' Passed '); \
	f=$$(cat $(NATIVE)/ctest.log $(FUZZ)/ctest.log $(WIN)/ctest.log | grep -cE '\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception|Not Run'); \
	echo "$$p passed, $$f failed"; exit $$rc

run: build
	@scripts/run.sh $(WIN)

bench: build
	@scripts/bench.sh $(WIN)

fuzz: build-fuzz
	@scripts/fuzz.sh $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

dist: deps $(WIN)/build.ninja
	cmake --build $(WIN) -j$(JOBS) --target dist

clean:
	-[ ! -x $(WIN)/wine-run.sh ] || $(WIN)/wine-run.sh --down
	rm -rf build
