#!/usr/bin/env bash
# Opens the suite on a demo hanko folder kept inside the build tree, with its own
# HOME so nothing of the real user is read or changed:
#   scripts/run-demo.sh BUILD_DIR
# Three demo seals are registered with vrmgr from data/demo/demo_seals.csv. The
# demo stamp log is written by the stamping program's log writer; one line is
# altered afterwards, so the log checker has something to find. Without a display
# the same check runs on the command line.
set -euo pipefail

build_dir=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
trailscan="$build_dir/logcheck/trailscan"
write_log="$build_dir/scripts/demo/vermil_demo_stamp_log"
vrmgr="$build_dir/manager/vrmgr"
for program in "$trailscan" "$write_log" "$vrmgr"; do
    [ -x "$program" ] || { echo "run-demo: $program is missing; run 'make build' first" >&2; exit 2; }
done

demo="$build_dir/demo"
rm -rf "$demo"
export HOME="$demo/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
unset XDG_DOCUMENTS_DIR
hanko="$HOME/Documents"
mkdir -p "$hanko" "$XDG_CONFIG_HOME"

# Demo seals, registered the way an administrator would, so the seal folder is ready.
"$vrmgr" --import "$here/../data/demo/demo_seals.csv"
echo "Registered demo seals (vrmgr --verify):"
"$vrmgr" --verify

log="$hanko/hanko.log"
"$write_log" "$log"
# Someone moves a stamp's time after the fact: that line no longer verifies.
LC_ALL=C sed -i 's/|10:47|/|10:41|/' "$log"

echo "Demo hanko folder: $hanko (seals in $hanko/vrdata)"
echo "Stamp log: $log (6 lines; the time of the second line was altered afterwards)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): checking the log on the command line instead."
    echo "+ trailscan --check $log"
    status=0
    "$trailscan" --check "$log" || status=$?
    case $status in
        0) echo "trailscan: every line verified." ;;
        1) echo "trailscan: found the altered line (exit status 1), as expected." ;;
        *) echo "trailscan: the check failed (exit status $status)." >&2; exit "$status" ;;
    esac
    exit 0
fi

echo "Opening trailscan on the demo log; press Check to verify it."
exec "$trailscan" "$log"
