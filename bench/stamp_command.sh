#!/usr/bin/env bash
# One whole `vermilin --stamp` run (start-up, the seal's checks, the password, the
# stamp file, its picture, the log line and the remembered fields) against an index
# of 100 seals registered with `vrmgr --import`, in a home of its own.
#   bench/stamp_command.sh BUILD_DIR [RUNS]
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-20}
vermilin="$build_dir/stamper/vermilin"
vrmgr="$build_dir/manager/vrmgr"
for program in "$vermilin" "$vrmgr"; do
    [ -x "$program" ] || { echo "no $program (build first)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Documents" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

for i in $(seq -w 0 99); do
    printf 'seal%s,PW%s,経理部, ,山田,osprf_vrm_default.xml,16,16,'"'"'YY.MM.DD\r\n' "$i" "$i"
done | iconv -f UTF-8 -t CP932 > "$work/seals.csv"
"$vrmgr" --import "$work/seals.csv" > /dev/null 2>&1

stamp() {
    echo "PW$1" | "$vermilin" --stamp "$work/stamp.vrs" --seal "seal$1" --name 山田 \
        --comment 確認済み --password-stdin --picture "$work/stamp.svg"
}
stamp 50 # fonts and files into the caches

# Wall time, and the processor time of the run (user + system), which a machine
# busy with other work changes less.
: > "$work/times"
for n in $(seq "$runs"); do
    seal=$(printf '%02d' $(( (n * 37) % 100 )))
    start=$(date +%s%N)
    TIMEFORMAT='%U %S' && { time stamp "$seal" ; } 2>> "$work/times"
    end=$(date +%s%N)
    echo "wall $(( (end - start) / 1000 ))" >> "$work/times"
done
lines=$(wc -l < "$HOME/Documents/hanko.log")
awk -v runs="$runs" -v lines="$lines" -v cores="$(nproc)" -v load="$(cut -d' ' -f1 /proc/loadavg)" '
    $1 == "wall" { wall[++w] = $2 / 1000; next }
    { cpu[++c] = ($1 + $2) * 1000 }
    function median(a, n,    i, j, t) {
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return a[int((n + 1) / 2)]
    }
    END {
        printf "vermilin --stamp, 100-seal index, %d runs (%d log lines), %d cores, load %s\n", runs, lines, cores, load
        printf "wall:      median %.1f ms, min %.1f ms (aim: under 150 ms)\n", median(wall, w), wall[1]
        printf "processor: median %.1f ms, min %.1f ms (user + system)\n", median(cpu, c), cpu[1]
    }' "$work/times"
