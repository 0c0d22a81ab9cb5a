# make run   : install what is missing, build, start the editor (no display: Xvfb + screenshot)
# make test  : install what is missing, build both trees, run every test (native, Wine, end-to-end)
# make bench : build and run the benchmarks (tables side by side with their references)
# make dist  : build the Windows installer and the portable zip into build/dist/
# Works with LC_ALL=C and no DISPLAY: the Wine wrapper sets its own locale and display.
SHELL := /bin/bash
NATIVE := build/native
WIN := build/win
JOBS ?= 2

.PHONY: deps build test run bench dist clean screenshot
deps:
	@scripts/deps.sh

$(NATIVE)/build.ninja: | deps
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON
$(WIN)/build.ninja: | deps
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

build: deps $(NATIVE)/build.ninja $(WIN)/build.ninja
	cmake --build $(NATIVE) -j$(JOBS)
	cmake --build $(WIN) -j$(JOBS)

test: build
	@rc=0; for b in $(NATIVE) $(WIN); do \
	  ctest --test-dir $$b -j$(JOBS) --output-on-failure 2>&1 | tee $$b/ctest.log; \
	  [ $${PIPESTATUS[0]} -eq 0 ] || rc=1; done; \
	echo "== native: $$(grep -h 'tests passed' $(NATIVE)/ctest.log)"; \
	echo "== win:    $$(grep -h 'tests passed' $(WIN)/ctest.log)"; \
	p=$$(cat $(NATIVE)/ctest.log $(WIN)/ctest.log | grep -c ' Passed '); \
	f=$$(cat $(NATIVE)/ctest.log $(WIN)/ctest.log | grep -cE '\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception|Not Run'); \
	echo "$$p passed, $$f failed"; exit $$rc

run: build
	@scripts/run.sh $(WIN)

bench: build
	@scripts/bench.sh $(WIN)

dist: deps $(WIN)/build.ninja
	cmake --build $(WIN) -j$(JOBS) --target dist

clean:
	-[ ! -x $(WIN)/wine-run.sh ] || $(WIN)/wine-run.sh --down
	rm -rf build
