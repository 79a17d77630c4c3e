#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers into
# ./build-asan and runs the whole test suite there. Any report fails the run:
# undefined behaviour stops the program (no recovery), and so does a memory
# error or a leak found at exit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# -O1 without debug information: reports still name the functions, and the
# build takes half the time.
flags="-O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=None -DKRX_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 900
