# The two set-up commands of the README:
#   make demo   installs what is missing, builds qm and runs it on the sample corpus
#   make test   installs what is missing, builds with the sanitizers and runs every test
JOBS ?= 2

.PHONY: all deps demo test bench fuzz format clean

all: demo

deps:
	@sh scripts/install-deps.sh

build/release/build.ninja:
	cmake --preset release

demo: deps build/release/build.ninja
	cmake --build --preset release --target qm
	sh scripts/demo.sh build/release/bin/qm

test: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

bench: deps build/release/build.ninja
	cmake --build --preset release

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

format:
	git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i

clean:
	rm -rf build
