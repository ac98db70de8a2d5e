#!/usr/bin/env bash
# Cold start of the stamping program's window: the time from starting `vermilin`
# (no arguments: the main window with a new stamp) to its first painted window,
# next to an empty Qt Widgets window, in the same run on a private X server. The
# empty window is also timed with a menu bar and a status line (--text): that
# shows what the first text on screen costs, which the empty window never pays.
#   bench/cold_start.sh BUILD_DIR [RUNS]
# Each program is started RUNS times (default 15), alternately; the first run of
# each is reported on its own, then the median and the best of the others.
set -euo pipefail

build_dir=$(cd "${1:?usage: $0 BUILD_DIR [RUNS]}" && pwd)
runs=${2:-15}
probe="$build_dir/bench/first_paint_probe"
empty="$build_dir/bench/empty_widgets_window"
vermilin="$build_dir/stamper/vermilin"
for program in "$probe" "$empty" "$vermilin"; do
    [ -x "$program" ] || { echo "cold_start: $program is missing (build first)" >&2; exit 2; }
done
command -v Xvfb > /dev/null || { echo "cold_start: Xvfb is not installed" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-cold-start-XXXXXX")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; wait $xvfb 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# A home of its own with a seal index, so no message box opens; the registration
# is in place as after the first start.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Documents/vrdata"
printf '[MAIN]\r\nLang=Japanese\r\n' > "$HOME/Documents/hanko.ini"
printf '[MAIN_VRM]\r\nNumber=0\r\n' > "$HOME/Documents/vrdata/index.dat"
"$vermilin" -Regserver > /dev/null

: > "$work/vermilin.txt"
: > "$work/empty.txt"
: > "$work/text.txt"
for i in $(seq "$runs"); do
    "$probe" "$empty" >> "$work/empty.txt"
    "$probe" "$vermilin" >> "$work/vermilin.txt"
    "$probe" "$empty" --text >> "$work/text.txt"
done

# Columns: milliseconds to the window's map, to its first paint.
summary() {
    local first rest
    first=$(head -n 1 "$1" | cut -d' ' -f2)
    rest=$(tail -n +2 "$1" | cut -d' ' -f2 | sort -g)
    awk -v first="$first" '{ v[++n] = $1 } END {
        median = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", first, median, v[1] }' <<< "$rest"
}
read -r v_first v_median v_best < <(summary "$work/vermilin.txt")
read -r e_first e_median e_best < <(summary "$work/empty.txt")
read -r t_first t_median t_best < <(summary "$work/text.txt")
printf 'first painted window, ms (%s runs each, %s cores)\n' "$runs" "$(nproc)"
printf '%-22s %8s %8s %8s\n' "" "first" "median" "best"
printf '%-22s %8s %8s %8s\n' "vermilin" "$v_first" "$v_median" "$v_best"
printf '%-22s %8s %8s %8s\n' "empty Qt Widgets" "$e_first" "$e_median" "$e_best"
printf '%-22s %8s %8s %8s\n' "  + menus and status" "$t_first" "$t_median" "$t_best"
awk -v v="$v_median" -v e="$e_median" -v t="$t_median" 'BEGIN {
    printf "vermilin / empty (median): %.2f (aim: at most 1.20)\n", v / e
    printf "vermilin / empty with menus and status text (median): %.2f\n", v / t }'
