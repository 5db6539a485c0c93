#!/usr/bin/env bash
# Checks the Debian package as a user would meet it: unpacks it into a temporary root, checks
# its contents, dependencies, desktop entry and metainfo, and starts the unpacked program the
# way its desktop entry does, on the offscreen platform with a home folder of its own:
#   - program folder read-only (as installed): the settings file goes to ~/.config/Numeralia
#     and nothing is written beside the executable;
#   - again with the sounds switched on and no sound device: it still starts and closes;
#   - program folder writable (a copy): the settings file goes beside the executable.
# The program is closed as the desktop does at the end of a session (SIGTERM), which closes the
# Program menu through its normal shut-down.
# Usage: scripts/check-package.sh [package.deb]   (default: the one in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls -t build/numeralia_*.deb 2>/dev/null | head -n 1)}
[ -f "$deb" ] || { echo "no package; build it with scripts/package.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
ok() { echo "ok: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# check WHAT COMMAND...: the command's own output is shown only when it fails.
check() {
  local what=$1 out; shift
  if out=$("$@" 2>&1); then ok "$what"; else fail "$what"; [ -z "$out" ] || echo "$out"; fi
}

echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

# Dependencies come from the shared libraries the executables link.
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6svg6; do
  check "depends on $lib" grep -qE "(^|, )${lib//+/\\+}( |,|$)" <<<"$depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
app_id=$(basename "$(ls "$root"/usr/share/applications/*.desktop)" .desktop)
expected=(usr/lib/numeralia/numeralia usr/lib/numeralia/numeralia-keys
  usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$app_id.svg
  usr/share/man/man1/numeralia.1.gz usr/share/man/man1/numeralia-keys.1.gz)
for wave in manager pato hey ooh tic; do expected+=("usr/lib/numeralia/$wave.wav"); done
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for path in "${expected[@]}"; do check "contains /$path" test -s "$root/$path"; done
for program in numeralia numeralia-keys; do
  check "/usr/bin/$program leads to the program folder" \
    test "$(readlink -f "$root/usr/bin/$program")" = "$(readlink -f "$root/usr/lib/numeralia/$program")"
done
check "no settings file in the package" test -z "$(find "$root" -name pref)"
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "metainfo valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
for size in 16 256; do
  check "${size} px icon is ${size}x${size}" grep -q "${size} x ${size}" \
    <<<"$(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")"
done
check "numeralia-keys computes from left to right" grep -q '"numero":"20"' \
  <<<"$(printf '2\n+\n3\nx\n4\n=\n' | "$root/usr/bin/numeralia-keys")"

# The program runs as an ordinary user: as root, every folder would be writable.
if [ "$(id -u)" -eq 0 ]; then
  user_id=65534
  as_user=(setpriv --reuid=$user_id --regid=$user_id --clear-groups)
else
  user_id=$(id -u)
  as_user=()
fi
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
initial_line=$',0,0,0,0,0,0,0,,,,,,,,0\r'
sounds_line=$'16,0,0,0,0,0,0,0,,,,"euro","pts",166.386,"avanzada",1\r'

# Starts the program of the tree $1 as the desktop entry does, with home folder $2 (made
# fresh unless it exists), then closes it. Fails when it does not start or does not end.
run_program() {
  local tree=$1 home=$2 runtime=$work/runtime-$RANDOM
  mkdir -p "$home" "$runtime"
  chmod 700 "$runtime"
  chown -R "$user_id" "$home" "$runtime"
  "${as_user[@]}" env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH="$tree/usr/bin:/usr/bin:/bin" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen $exec_line </dev/null >"$work/run.log" 2>&1 &
  local pid=$! waited=0
  # Started once the window system is loaded (the signal is caught from the first line of main).
  until grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null; do
    sleep 0.1; waited=$((waited + 1))
    if [ $waited -ge 300 ] || ! kill -0 $pid 2>/dev/null; then
      echo "program did not start:"; cat "$work/run.log"; kill -9 $pid 2>/dev/null; return 1
    fi
  done
  sleep 0.5
  kill -TERM $pid
  waited=0
  while kill -0 $pid 2>/dev/null; do
    sleep 0.1; waited=$((waited + 1))
    if [ $waited -ge 200 ]; then echo "program did not end"; kill -9 $pid; return 1; fi
  done
  wait $pid || { echo "program failed:"; cat "$work/run.log"; return 1; }
}
listing() { (cd "$1" && find . | sort); }
first_line() { head -n 1 "$1" 2>/dev/null; }

# Installed: the program folder belongs to root.
[ "$(id -u)" -eq 0 ] || chmod a-w "$root/usr/lib/numeralia"
before=$(listing "$root")
home=$work/home
if run_program "$root" "$home"; then
  check "read-only program folder: initial settings line in ~/.config/Numeralia/pref" \
    test "$(first_line "$home/.config/Numeralia/pref")" = "$initial_line"
  check "read-only program folder: nothing written beside the executable" test "$(listing "$root")" = "$before"
else
  fail "read-only program folder: the program starts from its desktop entry and ends"
fi

# Sounds on with no sound device: the start-up sound does not hold the program up.
mkdir -p "$home/.config/Numeralia"
printf '%s\n' "$sounds_line" >"$home/.config/Numeralia/pref"
if run_program "$root" "$home"; then
  check "sounds on: settings read and written back" test "$(first_line "$home/.config/Numeralia/pref")" = "$sounds_line"
else
  fail "sounds on: the program starts and ends"
fi

# A copy of the program in a folder the user owns: the settings file stays beside it.
copy=$work/copy
cp -a "$root" "$copy"
chmod -R u+w "$copy"
chown -R "$user_id" "$copy"
home=$work/home-copy
if run_program "$copy" "$home"; then
  check "writable program folder: initial settings line beside the executable" \
    test "$(first_line "$copy/usr/lib/numeralia/pref")" = "$initial_line"
  check "writable program folder: nothing in ~/.config" test ! -e "$home/.config/Numeralia"
else
  fail "writable program folder: the program starts and ends"
fi

[ "$failures" -eq 0 ] || { echo "$failures package check(s) failed"; exit 1; }
echo "package checks passed"
