#!/usr/bin/env bash
# Calculator opening benchmark: the time from the click on the Program menu's calculator
# button until the calculator window's first frame is painted, for the Normal and the
# Scientific model, over repeated runs on one Xvfb display. Each run is a fresh program: its
# first opening pays for what loads on first use, the openings after it show the steady cost.
# Usage: bench/calculator_open.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
cmake --build "$build" --target calculator_open_app >/dev/null
app="$build/bench/calculator_open_app"

xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$app" "$runs" <<'PY'
import os, statistics, subprocess, sys

app, runs = sys.argv[1], int(sys.argv[2])

def once(model):
    out = subprocess.run([app, model], check=True, capture_output=True, text=True).stdout
    return tuple(float(x) for x in out.split())  # first, later openings, first's cpu

models = ("normal", "scientific")
for model in models:  # warm the file cache
    once(model)
times = {model: [] for model in models}
for _ in range(runs):  # interleaved, so both see the same machine load
    for model in models:
        times[model].append(once(model))

for model in models:
    first = [t[0] for t in times[model]]
    again = [t[1] for t in times[model]]
    cpu = [t[2] for t in times[model]]
    print(f"{model:10}  first opening median {statistics.median(first):6.1f} ms  "
          f"min {min(first):6.1f}  max {max(first):6.1f}  cpu median {statistics.median(cpu):6.1f} ms   "
          f"later openings median {statistics.median(again):6.1f} ms   runs {len(first)}")
normal_first = statistics.median(t[0] for t in times["normal"])
print(f"Normal window from the Program menu: {normal_first:.1f} ms "
      f"(target < 100 ms: {'OK' if normal_first < 100 else 'OVER'})")
print("load average", os.getloadavg())
PY
