#!/usr/bin/env bash
# Runs a program of the suite on the demo hanko folder that `make run` prepared,
# with the demo's own HOME, so nothing of the real user is read or changed:
#   scripts/demo-env.sh BUILD_DIR vermilin|vrmgr|trailscan [ARGUMENTS...]
#   scripts/demo-env.sh build trailscan          # the checker window on the demo log
#   scripts/demo-env.sh build vrmgr --verify     # the demo seals, checked
set -euo pipefail

build_dir=$(cd "${1:?usage: $0 BUILD_DIR PROGRAM [ARGUMENTS...]}" && pwd)
program=${2:?usage: $0 BUILD_DIR PROGRAM [ARGUMENTS...]}
shift 2
case $program in
    vermilin) path="$build_dir/stamper/vermilin" ;;
    vrmgr) path="$build_dir/manager/vrmgr" ;;
    trailscan) path="$build_dir/logcheck/trailscan" ;;
    *) echo "demo-env: no program $program (vermilin, vrmgr or trailscan)" >&2; exit 2 ;;
esac
demo="$build_dir/demo"
[ -d "$demo/home" ] || { echo "demo-env: no demo folder in $demo; run 'make run' first" >&2; exit 2; }
export HOME="$demo/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
unset XDG_DOCUMENTS_DIR
exec "$path" "$@"
