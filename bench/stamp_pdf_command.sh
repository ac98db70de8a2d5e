#!/usr/bin/env bash
# Stamping page 1 of a 50-page PDF as a whole command (`vermilin --stamp-pdf`:
# start-up, the seal's checks, the password, the seal drawn, the stamped copy, the
# log line) next to `qpdf IN.pdf OUT.pdf`, a plain rewrite of the same file, in the
# same run. The PDF is made by LibreOffice when it is installed, else by
# bench_pdf_stamping --write-pdf.
#   bench/stamp_pdf_command.sh BUILD_DIR [RUNS]
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-20}
vermilin="$build_dir/stamper/vermilin"
vrmgr="$build_dir/manager/vrmgr"
writer="$build_dir/bench/bench_pdf_stamping"
for program in "$vermilin" "$vrmgr" "$writer"; do
    [ -x "$program" ] || { echo "no $program (build first)" >&2; exit 2; }
done
command -v qpdf > /dev/null || { echo "no qpdf (scripts/install-deps.sh)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Documents" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

printf '経理部長,KEIRI,経理部, ,山田,osprf_vrm_default.xml,16,16,'"'"'YY.MM.DD\r\n' |
    iconv -f UTF-8 -t CP932 > "$work/seals.csv"
"$vrmgr" --import "$work/seals.csv" > /dev/null 2>&1

made_by="bench_pdf_stamping --write-pdf"
if command -v soffice > /dev/null; then
    # 50 pages of prose: 31 lines of twelve words (each wraps once) on a page.
    awk 'BEGIN { srand(1); split("approval request amount invoice section account budget delivery contract payment", w, " ");
                 for (i = 0; i < 50 * 31; i++) { line = ""; for (j = 0; j < 12; j++) line = line w[int(rand() * 10) + 1] " "; print line } }' \
        > "$work/document.txt"
    if (cd "$work" && timeout 120 soffice --headless --convert-to pdf document.txt > /dev/null 2>&1); then
        made_by="LibreOffice"
    fi
fi
[ -s "$work/document.pdf" ] || "$writer" --write-pdf "$work/document.pdf"
pages=$(qpdf --show-npages "$work/document.pdf")

stamp() {
    echo KEIRI | "$vermilin" --stamp-pdf "$work/document.pdf" --out "$work/stamped.pdf" \
        --at 150,20 --seal 経理部長 --password-stdin
}
rewrite() { qpdf "$work/document.pdf" "$work/rewritten.pdf"; }
stamp && rewrite # fonts and files into the caches

: > "$work/times"
for n in $(seq "$runs"); do
    for what in rewrite stamp; do
        start=$(date +%s%N)
        "$what"
        end=$(date +%s%N)
        echo "$what $(( (end - start) / 1000 ))" >> "$work/times"
    done
done
awk -v runs="$runs" -v pages="$pages" -v made="$made_by" -v size="$(stat -c %s "$work/document.pdf")" \
    -v cores="$(nproc)" -v load="$(cut -d' ' -f1 /proc/loadavg)" '
    { t[$1, ++n[$1]] = $2 / 1000 }
    function median(what,    i, j, a, k, x) {
        k = n[what]; for (i = 1; i <= k; i++) a[i] = t[what, i]
        for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { x = a[j]; a[j] = a[j - 1]; a[j - 1] = x }
        return a[int((k + 1) / 2)]
    }
    END {
        r = median("rewrite"); s = median("stamp")
        printf "page 1 of a %d-page PDF (%d bytes, %s), %d runs each, %d cores, load %s\n", pages, size, made, runs, cores, load
        printf "qpdf IN OUT:           median %.1f ms\n", r
        printf "vermilin --stamp-pdf:  median %.1f ms (%.2f times the rewrite)\n", s, s / r
    }' "$work/times"
