#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded time
# (default 60 s, or the first argument) on its seed corpus plus what earlier runs kept.
# Any crash, leak, undefined behaviour or time-out fails the run; the reproducer stays in
# build-fuzz/findings/<target>/. Targets run one after another, niced.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/scintilla-source.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAMBREL_FUZZ=ON -DAMBREL_TESTS=OFF >/dev/null
targets=()
for seeds in fuzz/corpus/*/; do
  what=$(basename "$seeds")
  [ -f "fuzz/fuzz_${what}.cpp" ] && targets+=("$what")
done
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Definitions need room for thousands of nested containers, and the loader for inputs past
# a pipe's buffer; the parsers stay small so their runs go deep instead of long.
max_len() {
  case "$1" in
    dialog | load) echo 131072 ;;
    *) echo 8192 ;;
  esac
}

failed=()
for what in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$what" "build-fuzz/findings/$what"
  log="build-fuzz/findings/$what/smoke.log"
  echo "fuzz smoke: fuzz_$what for ${seconds}s"
  dict=()
  [ -f "fuzz/dict/$what.dict" ] && dict=(-dict="fuzz/dict/$what.dict")
  # A unit counts as hung after a minute: at the lowest priority on a busy machine, a large
  # dialog under the sanitizers (thousands of controls, each checked) takes over ten seconds.
  if nice -n 19 build-fuzz/bin/fuzz_"$what" -max_total_time="$seconds" -max_len="$(max_len "$what")" -timeout=60 \
      -rss_limit_mb=2048 -print_final_stats=1 "${dict[@]}" \
      -artifact_prefix="build-fuzz/findings/$what/" \
      "build-fuzz/corpus/$what" "fuzz/corpus/$what" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/  /"
  else
    echo "fuzz smoke: fuzz_$what FAILED, see $log and the reproducer beside it"
    tail -n 40 "$log"
    failed+=("$what")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz smoke: ${#failed[@]} target(s) failed: ${failed[*]}"
  exit 1
fi
echo "fuzz smoke: ${#targets[@]} target(s) ran clean"
