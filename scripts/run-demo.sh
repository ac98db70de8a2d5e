#!/usr/bin/env bash
# Opens the stamping program on a demo hanko folder kept inside the build tree,
# with its own HOME so nothing of the real user is read or changed:
#   scripts/run-demo.sh BUILD_DIR
# Three demo seals are registered with vrmgr from data/demo/demo_seals.csv (their
# passwords are printed). A short stamp log is written by the stamping program's
# log writer; one line is altered afterwards, so the log checker has something to
# find. Without a display the demo stamps once on the command line, writes the
# picture and checks the log instead.
set -euo pipefail

build_dir=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
trailscan="$build_dir/logcheck/trailscan"
write_log="$build_dir/scripts/demo/vermil_demo_stamp_log"
vrmgr="$build_dir/manager/vrmgr"
vermilin="$build_dir/stamper/vermilin"
for program in "$trailscan" "$write_log" "$vrmgr" "$vermilin"; do
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
csv="$here/../data/demo/demo_seals.csv"
"$vrmgr" --import "$csv"
echo "Registered demo seals (vrmgr --verify):"
"$vrmgr" --verify
echo "Their passwords:"
iconv -f CP932 -t UTF-8 "$csv" | awk -F, '{ printf "  %s: %s\n", $1, $2 }'

log="$hanko/hanko.log"
"$write_log" "$log"
# Someone moves a stamp's time after the fact: that line no longer verifies.
LC_ALL=C sed -i 's/|10:47|/|10:41|/' "$log"

echo "Demo hanko folder: $hanko (seals in $hanko/vrdata)"
echo "Stamp log: $log (6 lines; the time of the second line was altered afterwards)"
echo "The other programs on the same demo:"
echo "  scripts/demo-env.sh $build_dir trailscan          # the log checker's window"
echo "  scripts/demo-env.sh $build_dir vrmgr --verify     # the seals, checked"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): stamping on the command line instead."
    stamp="$hanko/demo.vrs"
    picture="$hanko/demo.png"
    fields=(--seal "経理部長" --document-no "A-2026-0042" --name "山田太郎" --section "経理部"
            --comment "見積書を承認")
    echo "+ echo KEIRI | vermilin --stamp $stamp ${fields[*]} --password-stdin --picture $picture"
    echo KEIRI | "$vermilin" --stamp "$stamp" "${fields[@]}" --password-stdin --picture "$picture"
    echo "+ vermilin --info $stamp"
    "$vermilin" --info "$stamp"
    echo "Stamp object: $stamp; its picture: $picture; the stamp's log line is the last of $log."
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

echo "Opening the stamping program; Stamp › Stamp... stamps with a demo seal."
exec "$vermilin"
