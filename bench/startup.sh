#!/usr/bin/env bash
# Start-up benchmark: the time from process start until the Program menu's first frame is on
# the screen, against a bare Qt window of the same size, over repeated runs on one Xvfb
# display. Usage: bench/startup.sh [build-dir] [runs]
# Wall time is what the user waits; on a busy machine it is noisy, so the CPU time of each
# run (start-up, first frame, exit) is shown too.
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

def once(command):
    """Wall time to the first frame and CPU time of the whole run, in milliseconds."""
    start = time.time_ns() // 1000
    child = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True)
    out = child.stdout.read()
    _, _, usage = os.wait4(child.pid, 0)
    child.returncode = 0
    wall = (int(out.split()[-1]) - start) / 1000.0
    return wall, (usage.ru_utime + usage.ru_stime) * 1000.0

commands = {"numeralia": [program], "bare window": [bare], "bare + text": [bare, "--text"]}
for command in commands.values():  # warm the file cache
    once(command)
times = {name: [] for name in commands}
for _ in range(runs):  # interleaved, so all see the same machine load
    for name, command in commands.items():
        times[name].append(once(command))

def line(name, t):
    wall = [w for w, _ in t]
    cpu = [c for _, c in t]
    return (f"{name:12} wall median {statistics.median(wall):6.1f} ms  min {min(wall):6.1f}  "
            f"max {max(wall):6.1f}   cpu median {statistics.median(cpu):6.1f} ms   runs {len(t)}")

for name, t in times.items():
    print(line(name, t))

def ratio(k, base):
    return (statistics.median(x[k] for x in times["numeralia"]) /
            statistics.median(x[k] for x in times[base]))

for what, k in (("wall", 0), ("cpu", 1)):
    r = ratio(k, "bare window")
    print(f"{what}: numeralia / bare window {r:.2f} (target <= 1.30: {'OK' if r <= 1.3 else 'OVER'})"
          f"   numeralia / bare + text {ratio(k, 'bare + text'):.2f}")
print("load average", os.getloadavg())
PY
