#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-
# behaviour sanitizers) into ./build-fuzz and runs each on its seed corpus
# for SECONDS (default 20). Fails when a target finds a crash or a broken
# property; the input that caused it is left in build-fuzz/findings/.
#
# usage: scripts/fuzz.sh [SECONDS] [TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
bash scripts/install-deps.sh
extra=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || extra+=("$p")
done
if [ ${#extra[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${extra[@]}"
fi
cmake -S . -B build-fuzz -DKRX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in build-fuzz/fuzz/fuzz_*; do targets+=("$(basename "$f")"); done
fi
mkdir -p build-fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  echo "== $t, ${seconds} s"
  if ! build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="build-fuzz/findings/$t-" "$work" "fuzz/corpus/$t" 2>"build-fuzz/$t.log"; then
    echo "!! $t found a fault:"; tail -40 "build-fuzz/$t.log"; status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$t.log" || true
done
exit $status
