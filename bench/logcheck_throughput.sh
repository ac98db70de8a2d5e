#!/usr/bin/env bash
# Throughput of `trailscan --check` on a generated stamp log of 100 MB, next to
# sha256sum and wc -l over the same file in the same run; then the window's
# path (CheckerDialogModel without a display, and the real window offscreen)
# next to `--check`: time, peak memory, and the longest the window could not draw.
#   bench/logcheck_throughput.sh BUILD_DIR [SIZE_MB] [KEEP_LOG]
# KEEP_LOG: where to leave the generated log (to look at it in the window).
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [SIZE_MB]}
size_mb=${2:-100}
keep_log=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
trailscan="$build_dir/logcheck/trailscan"
window="$build_dir/bench/bench_logcheck_window"
[ -x "$trailscan" ] || { echo "no trailscan in $build_dir/logcheck (build first)" >&2; exit 2; }
[ -x "$window" ] || { echo "no bench_logcheck_window in $build_dir/bench (build first)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
# The window path keeps its last path in a profile: a home of its own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# A seed of distinct lines (ASCII and Shift-JIS fields, both separators, one line
# in 200 altered after writing), with codes from the independent script.
python3 - "$work/seed.log" "$here/../tests/data/logcheck" <<'PY'
import random, sys
sys.path.insert(0, sys.argv[2])
import logcodes
random.seed(2024)
names = ["山田", "佐藤", "鈴木", "高橋", "ポール", "Smith", "tanaka"]
sections = ["総務部", "経理部", "営業部", "開発部", "品質保証部", "Sales"]
comments = ["承認", "確認済み", "", "see attachment", "見積書 第2版", "仕様レビュー完了"]
with open(sys.argv[1], "wb") as out:
    for i in range(8192):
        fields = [
            f"D-{i:05d}".encode(),
            f"20{10 + i % 14:02d}/{1 + i % 12:02d}/{1 + i % 28:02d}".encode(),
            f"{i % 24:02d}:{i % 60:02d}".encode(),
            random.choice(names).encode("cp932"),
            random.choice(sections).encode("cp932"),
            random.choice(comments).encode("cp932"),
            f"user{i % 37}".encode(),
            f"PC-{i % 101:03d}".encode(),
        ]
        line = logcodes.line(fields, b"," if i % 5 == 0 else b"|")
        if i % 200 == 7:
            line = line.replace(b"D-", b"X-", 1)
        out.write(line)
PY

log="$work/big.log"
target=$((size_mb * 1000 * 1000))
# The seed again and again up to the size, ended at a whole line.
python3 - "$work/seed.log" "$log" "$target" <<'PY'
import sys
seed = open(sys.argv[1], "rb").read()
target = int(sys.argv[3])
with open(sys.argv[2], "wb") as out:
    written = 0
    while written + len(seed) <= target:
        out.write(seed)
        written += len(seed)
    rest = seed[: target - written]
    out.write(rest[: rest.rfind(b"\n") + 1])
PY
bytes=$(stat -c %s "$log")
lines=$(wc -l < "$log")
cat "$log" > /dev/null # into the page cache, so every tool reads from memory

# Best of three runs of each, in seconds.
best_of_three() {
    local best="" start end elapsed
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$@" > /dev/null || [ $? -eq 1 ] # exit 1 means NG lines were found
        end=$(date +%s%N)
        elapsed=$(( end - start ))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

# Peak resident memory of one run, in KiB.
# (time notes a non-zero exit first; exit 1 only means NG lines were found.)
peak_kib() {
    /usr/bin/time -f '%M' -o "$work/peak" "$@" > /dev/null 2> /dev/null || true
    tail -n 1 "$work/peak"
}

# The window path prints its own figures; the best of three by time.
window_best() {
    local best="" line seconds
    for _ in 1 2 3; do
        line=$("$window" "$@" "$log" 2> /dev/null)
        seconds=${line%% s*}
        if [ -z "$best" ] || awk -v a="$seconds" -v b="${best%% s*}" 'BEGIN { exit !(a < b) }'; then
            best=$line
        fi
    done
    echo "$best"
}

check=$(best_of_three "$trailscan" --check "$log")
sha=$(best_of_three sha256sum "$log")
wcl=$(best_of_three wc -l "$log")
check_peak=$(peak_kib "$trailscan" --check "$log")
model_line=$(window_best)
dialog_line=$(window_best --dialog)
model=${model_line%% s*}
dialog=${dialog_line%% s*}
model_peak=$(peak_kib "$window" "$log")
dialog_peak=$(peak_kib "$window" --dialog "$log")

printf 'log: %d bytes, %d lines, %s cores, load %s\n' "$bytes" "$lines" "$(nproc)" \
    "$(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-22s %8s s\n' "trailscan --check" "$check" "sha256sum" "$sha" "wc -l" "$wcl"
awk -v c="$check" -v s="$sha" -v w="$wcl" -v b="$bytes" 'BEGIN {
    printf "trailscan / sha256sum: %.2f (limit 1.50, aim 0.50)\n", c / s
    printf "trailscan / wc -l:     %.2f\n", c / w
    printf "trailscan throughput:  %.0f MB/s\n", b / c / 1e6
}'
printf 'window path, model:    %s\n' "$model_line"
printf 'window path, window:   %s\n' "$dialog_line"
awk -v c="$check" -v m="$model" -v d="$dialog" -v b="$bytes" -v cp="$check_peak" \
    -v mp="$model_peak" -v dp="$dialog_peak" 'BEGIN {
    printf "model / --check:       %.2f (limit 2.00)\n", m / c
    printf "window / --check:      %.2f (limit 2.00)\n", d / c
    printf "peak memory: --check %.0f MiB, model %.0f MiB, window %.0f MiB\n", cp / 1024, mp / 1024, dp / 1024
    printf "window peak / log:     %.2f (limit 3.00)\n", dp * 1024 / b
}'
if [ -n "$keep_log" ]; then
    cp "$log" "$keep_log"
fi
