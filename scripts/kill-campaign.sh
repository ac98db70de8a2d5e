#!/usr/bin/env bash
# Kills the stamping verbs with SIGKILL at random moments of their run and checks
# that what they leave behind is whole, then that a normal run still succeeds:
#   scripts/kill-campaign.sh BUILD_DIR [KILLS]     # KILLS per scenario, 30 unless given
# Everything happens in a fresh temporary HOME (XDG folders inside it) with the demo
# seals of data/demo/demo_seals.csv registered, as scripts/run-demo.sh does.
# Scenarios:
#   profile  vermilin --stamp --no-save-password over a saved password: the user's cpw
#            and drowssap stay together, and the next stamp shows no Warning 432 or
#            Error 1315
#   picture  vermilin --stamp --picture over an existing stamp object and picture: each
#            is the old or the new whole file, no stray file beside them
#   pdf      vermilin --stamp-pdf over an existing stamped copy: the old or the new
#            whole PDF (qpdf --check)
# and in each the stamp log holds only whole lines that trailscan --check verifies.
# Each scenario first times a normal run; every delay before the kill is drawn
# uniformly from [0, that time]. KILL_CAMPAIGN_SEED draws the same fractions again.
# Prints per scenario the kills, where they landed (before anything was written,
# during the writes, after the last one, as the files tell), the violations and the
# time taken. Exit status 1 when any invariant was violated, 2 for usage errors.
set -euo pipefail

usage="usage: $0 BUILD_DIR [KILLS]"
build_dir=$(cd "${1:?$usage}" && pwd)
kills=${2:-30}
[[ $kills =~ ^[1-9][0-9]*$ ]] || { echo "kill-campaign: KILLS must be a whole number above 0" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
vermilin="$build_dir/stamper/vermilin"
vrmgr="$build_dir/manager/vrmgr"
trailscan="$build_dir/logcheck/trailscan"
for program in "$vermilin" "$vrmgr" "$trailscan"; do
    [ -x "$program" ] || { echo "kill-campaign: $program is missing; build first" >&2; exit 2; }
done
command -v qpdf >/dev/null || { echo "kill-campaign: qpdf is missing (scripts/install-deps.sh)" >&2; exit 2; }

seed=${KILL_CAMPAIGN_SEED:-$$}
RANDOM=$seed

work=$(mktemp -d "${TMPDIR:-/tmp}/vermil-kill-campaign.XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export QT_QPA_PLATFORM=offscreen
unset XDG_DOCUMENTS_DIR VERMIL_PASSWORD
hanko="$HOME/Documents"
log="$hanko/hanko.log"
profile="$XDG_CONFIG_HOME/Ombrel/vermilin.ini"
user=$(id -un)
snapshots="$work/snapshots"
mkdir -p "$hanko" "$XDG_CONFIG_HOME" "$snapshots"
"$vrmgr" --import "$here/../data/demo/demo_seals.csv" >"$work/import.txt" 2>&1 ||
    { cat "$work/import.txt" >&2; exit 2; }
seal=経理部長
password=KEIRI

# --- What every scenario checks -------------------------------------------------

scenario=""
kill_number=0
violations=0
killed=''
phase=''
log_state=''
stamp_state=''
old_lines=0
old_cpw=''
old_code=''
violation() {
    violations=$((violations + 1))
    echo "  violation ($scenario, kill $kill_number): $*" >&2
}

now_ns() { date +%s%N; }

# A delay in seconds, uniform in [0, $1].
random_delay() {
    awk -v most="$1" -v r="$RANDOM" 'BEGIN { printf "%.4f", most * r / 32767 }'
}

log_lines() {
    if [ -e "$log" ]; then wc -l <"$log"; else echo 0; fi
}

# The log holds whole lines only: it has the lines it had or one more, it ends in a
# line end and every line verifies. Sets log_state to old or new. (Results go in
# variables, not on stdout: a command substitution's subshell would lose the count
# of violations.) A faulty log is set aside, so that each fault counts once and the
# kills after it are judged on a log of whole lines again.
check_log() {
    local before=$1 lines report faulty=''
    lines=$(log_lines)
    log_state=new
    if [ "$lines" -eq "$before" ]; then
        log_state=old
    elif [ "$lines" -ne $((before + 1)) ]; then
        violation "the stamp log went from $before to $lines lines"
    fi
    if [ -s "$log" ] && [ "$(tail -c 1 "$log" | od -An -tx1 | tr -d ' \n')" != 0a ]; then
        violation "the stamp log ends inside a line"
        faulty=1
    fi
    if ! report=$("$trailscan" --check "$log" --ng-only 2>&1); then
        violation "trailscan --check found a fault: $(head -n 4 <<<"$report")"
        faulty=1
    fi
    if [ -n "$faulty" ]; then
        mv "$log" "$work/faulty-$scenario-$kill_number.log"
    fi
}

# The document number of the one stamp in a stamp object or stamped PDF; empty when
# `vermilin --info` cannot read it.
document_number() {
    "$vermilin" --info "$1" 2>/dev/null | sed -n 's/^Document No : //p' | head -n 1
}

# A PNG from its signature to its closing IEND chunk.
whole_png() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] &&
        [ "$(tail -c 12 "$1" | od -An -tx1 | tr -d ' \n')" = 0000000049454e44ae426082 ]
}

# A stamp object or PDF is the old one (a copy in $2) or a whole new one that
# `vermilin --info` reads with the new document number $3. Sets stamp_state.
old_or_new_stamp() {
    local file=$1 old=$2 number=$3 found
    stamp_state=old
    cmp -s "$file" "$old" && return
    stamp_state=new
    found=$(document_number "$file")
    [ "$found" = "$number" ] ||
        violation "$(basename "$file") is neither the old file nor the new stamp (reads '$found')"
}

# In folder $1 only the names in $2... and, right after a kill ($killed set), what
# the killed writer of one of them left, which no reader takes for data: its hidden
# temporary (".NAME.tmpPID_N"), or the lock file of the per-user profile's store
# (NAME.lock). The next run of the same verb takes both away.
check_folder() {
    local folder=$1 name path
    shift
    for path in "$folder"/* "$folder"/.[!.]*; do
        [ -e "$path" ] || continue
        name=$(basename "$path")
        if [[ " $* " == *" $name "* ]]; then
            continue
        fi
        if [ -n "${killed:-}" ] && { [[ $name =~ ^\.(.+)\.tmp[0-9]+_[0-9]+$ ]] ||
            [[ $name =~ ^(.+)\.lock$ ]]; } && [[ " $* " == *" ${BASH_REMATCH[1]} "* ]]; then
            continue
        fi
        violation "a stray file $name in $folder"
    done
}

# The hanko folder (remembered fields, log) and the per-user folder (colours, the
# profile), which every stamp writes.
check_shared_folders() {
    check_folder "$hanko" hanko.ini hanko.log vrdata
    check_folder "$XDG_CONFIG_HOME/Ombrel" hanko.ini vermilin.ini
}

profile_value() {
    [ -e "$profile" ] || return 0
    awk -v key="$1" -v section="[$user]" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$profile"
}

# --- The scenarios: prepare, start (sets pid), check (sets phase), recover ---------
# A start runs the program itself in the background, never a function or a
# subshell, so that pid is the program's and the kill reaches it.
arguments=()

# profile: --no-save-password over a saved password.
profile_out="$work/out/profile"
profile_stamp="$profile_out/stamp.vrs"
profile_prepare() {
    "$vermilin" --stamp "$profile_stamp" --seal "$seal" --document-no "P-$1-saved" \
        --password-stdin --save-password <<<"$password" >/dev/null 2>&1 ||
        { echo "kill-campaign: the stamp that saves the password failed" >&2; exit 2; }
    cp "$profile_stamp" "$snapshots/profile.vrs"
    old_cpw=$(profile_value cpw)
    old_code=$(profile_value drowssap)
    old_lines=$(log_lines)
}
profile_start() {
    "$vermilin" --stamp "$profile_stamp" --seal "$seal" --document-no "P-$1" \
        --no-save-password </dev/null >/dev/null 2>&1 &
    pid=$!
}
profile_check() {
    local cpw code
    cpw=$(profile_value cpw)
    code=$(profile_value drowssap)
    if [ "$cpw" = 1 ] && [ -z "$code" ]; then
        violation "cpw=1 with an empty drowssap"
    fi
    if ! { [ "$cpw" = "$old_cpw" ] && [ "$code" = "$old_code" ]; } &&
        ! { [ "$cpw" = 0 ] && [ -z "$code" ]; }; then
        violation "cpw='$cpw' drowssap='$code' is neither the saved nor the forgotten password"
    fi
    old_or_new_stamp "$profile_stamp" "$snapshots/profile.vrs" "P-$1"
    check_log "$old_lines"
    check_folder "$profile_out" stamp.vrs
    check_shared_folders
    if [ "$cpw" = 0 ]; then
        phase=after
    elif [ "$stamp_state" = new ] || [ "$log_state" = new ]; then
        phase=during
    else
        phase=before
    fi
}
profile_recover() {
    local lines status=0 err="$work/err"
    lines=$(log_lines)
    # A profile that still keeps the password must stamp with it alone.
    if [ "$(profile_value cpw)" = 1 ]; then
        "$vermilin" --stamp "$profile_stamp" --seal "$seal" --document-no "P-$1-next" \
            --no-save-password </dev/null >/dev/null 2>"$err" || status=$?
    else
        "$vermilin" --stamp "$profile_stamp" --seal "$seal" --document-no "P-$1-next" \
            --password-stdin --no-save-password <<<"$password" >/dev/null 2>"$err" || status=$?
    fi
    [ "$status" -eq 0 ] || violation "the next stamp failed with $status: $(head -c 300 "$err")"
    if grep -Eq 'Warning 432|Error 1315' "$err"; then
        violation "the next stamp said: $(grep -E 'Warning 432|Error 1315' "$err")"
    fi
    check_log "$lines"
    [ "$log_state" = new ] || violation "the next stamp logged no line"
    check_folder "$profile_out" stamp.vrs
    check_shared_folders
}

# picture: a stamp object and its picture over old ones.
picture_out="$work/out/picture"
picture_stamp="$picture_out/stamp.vrs"
picture_file="$picture_out/stamp.png"
picture_arguments() {
    arguments=(--stamp "$picture_stamp" --seal "$seal" --document-no "G-$1" --seal-date "No.$1"
               --password-stdin --picture "$picture_file")
}
picture_run() {
    picture_arguments "$1"
    "$vermilin" "${arguments[@]}" <<<"$password" >/dev/null 2>&1
}
picture_prepare() {
    cp "$picture_stamp" "$snapshots/picture.vrs"
    cp "$picture_file" "$snapshots/picture.png"
    old_lines=$(log_lines)
}
picture_start() {
    picture_arguments "$1"
    "$vermilin" "${arguments[@]}" <<<"$password" >/dev/null 2>&1 &
    pid=$!
}
picture_check() {
    local picture_state=old
    old_or_new_stamp "$picture_stamp" "$snapshots/picture.vrs" "G-$1"
    if ! cmp -s "$picture_file" "$snapshots/picture.png"; then
        picture_state=new
        whole_png "$picture_file" || violation "the picture is neither the old one nor a whole PNG"
    fi
    check_log "$old_lines"
    check_folder "$picture_out" stamp.vrs stamp.png
    check_shared_folders
    if [ "$log_state" = new ]; then
        phase=after
    elif [ "$stamp_state" = new ] || [ "$picture_state" = new ]; then
        phase=during
    else
        phase=before
    fi
}
picture_recover() {
    local lines status=0
    lines=$(log_lines)
    picture_run "$1" || status=$?
    [ "$status" -eq 0 ] || violation "the next stamp failed with $status"
    [ "$(document_number "$picture_stamp")" = "G-$1" ] || violation "the next stamp object does not read"
    whole_png "$picture_file" || violation "the next picture is not a whole PNG"
    check_log "$lines"
    [ "$log_state" = new ] || violation "the next stamp logged no line"
    check_folder "$picture_out" stamp.vrs stamp.png
    check_shared_folders
}

# pdf: a stamped copy over the one a previous run made.
pdf_out="$work/out/pdf"
pdf_in="$work/request.pdf"
pdf_file="$pdf_out/stamped.pdf"
pdf_arguments() {
    arguments=(--stamp-pdf "$pdf_in" --out "$pdf_file" --at "150,20" --seal "$seal"
               --document-no "D-$1" --password-stdin)
}
pdf_run() {
    pdf_arguments "$1"
    "$vermilin" "${arguments[@]}" <<<"$password" >/dev/null 2>&1
}
pdf_prepare() {
    cp "$pdf_file" "$snapshots/stamped.pdf"
    old_lines=$(log_lines)
}
pdf_start() {
    pdf_arguments "$1"
    "$vermilin" "${arguments[@]}" <<<"$password" >/dev/null 2>&1 &
    pid=$!
}
pdf_check() {
    old_or_new_stamp "$pdf_file" "$snapshots/stamped.pdf" "D-$1"
    qpdf --check "$pdf_file" >/dev/null 2>&1 || violation "qpdf --check fails on the stamped copy"
    check_log "$old_lines"
    check_folder "$pdf_out" stamped.pdf
    check_shared_folders
    if [ "$log_state" = new ]; then
        phase=after
    elif [ "$stamp_state" = new ]; then
        phase=during
    else
        phase=before
    fi
}
pdf_recover() {
    local lines status=0
    lines=$(log_lines)
    pdf_run "$1" || status=$?
    [ "$status" -eq 0 ] || violation "the next stamped copy failed with $status"
    [ "$(document_number "$pdf_file")" = "D-$1" ] || violation "the next stamped copy does not read"
    qpdf --check "$pdf_file" >/dev/null 2>&1 || violation "qpdf --check fails on the next stamped copy"
    check_log "$lines"
    [ "$log_state" = new ] || violation "the next stamp logged no line"
    check_folder "$pdf_out" stamped.pdf
    check_shared_folders
}

mkdir -p "$profile_out" "$picture_out" "$pdf_out"
cp "$here/../tests/data/stamper/ApprovalRequest.pdf" "$pdf_in"
# The files the kills land on exist before the first kill.
picture_run first || { echo "kill-campaign: the first picture stamp failed" >&2; exit 2; }
pdf_run first || { echo "kill-campaign: the first stamped copy failed" >&2; exit 2; }

# --- The campaign ------------------------------------------------------------------

printf 'Kill campaign: %s kills per scenario, seed %s\n' "$kills" "$seed"
row='%-8s %-44s %5s %6s %5s %6s %6s %5s %10s %7s\n'
# shellcheck disable=SC2059 # the one row format, kept in a variable
printf "$row" scenario verb kills killed ended before during after violations time
total_violations=0

campaign() {
    scenario=$1
    local verb=$2 started longest=0 took status phase delay
    local killed_count=0 ended=0 before=0 during=0 after=0
    violations=0
    started=$(now_ns)
    # The longest of three normal runs bounds the delays.
    for attempt in 1 2 3; do
        kill_number="timing $attempt"
        "${scenario}_prepare" "t$attempt"
        local run_start
        run_start=$(now_ns)
        "${scenario}_start" "t$attempt"
        status=0
        wait "$pid" || status=$?
        took=$(($(now_ns) - run_start))
        [ "$status" -eq 0 ] || { echo "kill-campaign: a normal $scenario run failed ($status)" >&2; exit 2; }
        [ "$took" -gt "$longest" ] && longest=$took
        "${scenario}_recover" "t$attempt"
    done
    local most
    most=$(awk -v ns="$longest" 'BEGIN { printf "%.4f", ns / 1e9 }')
    for ((kill_number = 1; kill_number <= kills; kill_number++)); do
        "${scenario}_prepare" "$kill_number"
        delay=$(random_delay "$most")
        "${scenario}_start" "$kill_number"
        sleep "$delay"
        kill -KILL "$pid" 2>/dev/null || true
        status=0
        # The shell's own "Killed" notice is no news here.
        wait "$pid" 2>/dev/null || status=$?
        case $status in
            137) killed_count=$((killed_count + 1)) ;;
            0) ended=$((ended + 1)) ;;
            *) violation "the verb exited with $status on its own" ;;
        esac
        killed=1
        "${scenario}_check" "$kill_number"
        killed=''
        case $phase in
            before) before=$((before + 1)) ;;
            during) during=$((during + 1)) ;;
            *) after=$((after + 1)) ;;
        esac
        "${scenario}_recover" "$kill_number"
    done
    took=$(awk -v ns="$(($(now_ns) - started))" 'BEGIN { printf "%.1f s", ns / 1e9 }')
    # shellcheck disable=SC2059 # the one row format, kept in a variable
    printf "$row" "$scenario" "$verb" "$kills" "$killed_count" "$ended" "$before" "$during" \
        "$after" "$violations" "$took"
    printf '%-8s   normal run %s s; delays uniform in [0, %s s]\n' "" "$most" "$most"
    total_violations=$((total_violations + violations))
}

campaign profile "--stamp --no-save-password (password saved)"
campaign picture "--stamp --picture (over old object+picture)"
campaign pdf "--stamp-pdf IN --out OUT (OUT exists)"

if [ "$total_violations" -ne 0 ]; then
    echo "kill-campaign: $total_violations invariant violation(s)" >&2
    exit 1
fi
echo "kill-campaign: no invariant violated"
