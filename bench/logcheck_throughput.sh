#!/usr/bin/env bash
# Throughput of `trailscan --check` on a generated stamp log of at least 100 MB,
# next to sha256sum and wc -l over the same file in the same run.
#   bench/logcheck_throughput.sh BUILD_DIR [SIZE_MB]
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [SIZE_MB]}
size_mb=${2:-100}
here=$(cd "$(dirname "$0")" && pwd)
trailscan="$build_dir/logcheck/trailscan"
[ -x "$trailscan" ] || { echo "no trailscan in $build_dir/logcheck (build first)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

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
: > "$log"
target=$((size_mb * 1024 * 1024))
cp "$work/seed.log" "$log"
while [ "$(stat -c %s "$log")" -lt "$target" ]; do
    cat "$log" "$log" > "$work/next.log"
    mv "$work/next.log" "$log"
done
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

check=$(best_of_three "$trailscan" --check "$log")
sha=$(best_of_three sha256sum "$log")
wcl=$(best_of_three wc -l "$log")

printf 'log: %d bytes, %d lines, %s cores\n' "$bytes" "$lines" "$(nproc)"
printf '%-22s %8s s\n' "trailscan --check" "$check" "sha256sum" "$sha" "wc -l" "$wcl"
awk -v c="$check" -v s="$sha" -v w="$wcl" -v b="$bytes" 'BEGIN {
    printf "trailscan / sha256sum: %.2f (limit 1.50, aim 0.50)\n", c / s
    printf "trailscan / wc -l:     %.2f\n", c / w
    printf "trailscan throughput:  %.0f MB/s\n", b / c / 1e6
}'
