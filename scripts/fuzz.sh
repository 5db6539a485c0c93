#!/usr/bin/env bash
# Builds the fuzz targets (clang-14, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for SECONDS (default 60), one after another, starting from its
# seeds (fuzz/corpus/NAME) and the findings kept as tests (tests/fuzz/NAME).
#
#   scripts/fuzz.sh [SECONDS] [NAME...]      # NAME: settings_line, display_text, ...
#
# New inputs gather in build-fuzz/corpus/NAME; a finding is written to
# build-fuzz/findings/NAME/ and makes the script fail. Keep it as a test: copy it into
# tests/fuzz/NAME/ under a name that says what it found, fix the fault, run again.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
scripts/install-deps.sh fuzz

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DNUMERALIA_FUZZ=ON "${launcher[@]}" > /dev/null
cmake --build build-fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for name in "${targets[@]}"; do
  work=build-fuzz/corpus/$name
  findings=build-fuzz/findings/$name
  log=build-fuzz/logs/$name.log
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  kept=()
  [ -d "tests/fuzz/$name" ] && kept=("tests/fuzz/$name")
  echo "== $name: ${seconds} s"
  if build-fuzz/fuzz/"${name}"_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len=32768 -dict="fuzz/dict/$name.dict" -artifact_prefix="$findings/" \
       -print_final_stats=1 "$work" "fuzz/corpus/$name" "${kept[@]}" > "$log" 2>&1; then
    # The last status line (coverage, features, corpus) and the final figures.
    grep -E '^#[0-9]+' "$log" | tail -n 1 || true
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
  else
    failed+=("$name")
    echo "!! $name found a fault (log: $log):"
    grep -E 'ERROR|SUMMARY|==[0-9]+==|Test unit written|^[a-z_]+: ' "$log" | head -n 20 || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in build-fuzz/findings/)"
  exit 1
fi
echo "No finding in: ${targets[*]}"
