#!/usr/bin/env bash
# Start-up benchmark: the time from process start until the Program menu's first frame is on
# the screen, against a bare Qt window of the same size, over repeated runs on one Xvfb
# display. Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-30}
cmake --build "$build" --target numeralia bare_window_app >/dev/null
program="$build/numeralia/numeralia"
bare="$build/bench/bare_window_app"

# A program folder of its own, so the benchmark neither reads nor writes the user's pref.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/"

xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$folder/numeralia" "$bare" "$runs" <<'PY'
import os, statistics, subprocess, sys, time

program, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, NUMERALIA_STARTUP_PROBE="1")

def once(path):
    start = time.time_ns() // 1000
    out = subprocess.run([path], env=env, capture_output=True, text=True, timeout=60).stdout
    return (int(out.split()[-1]) - start) / 1000.0  # milliseconds

for path in (program, bare):  # warm the file cache
    once(path)
times = {program: [], bare: []}
for _ in range(runs):  # interleaved, so both see the same machine load
    for path in (program, bare):
        times[path].append(once(path))

def line(name, t):
    return (f"{name:14} median {statistics.median(t):7.1f} ms   min {min(t):7.1f}   "
            f"max {max(t):7.1f}   runs {len(t)}")

print(line("numeralia", times[program]))
print(line("bare window", times[bare]))
ratio = statistics.median(times[program]) / statistics.median(times[bare])
print(f"ratio (medians) {ratio:.2f}   target <= 1.30   {'OK' if ratio <= 1.3 else 'OVER'}")
PY
