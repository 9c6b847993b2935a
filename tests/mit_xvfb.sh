#!/usr/bin/env bash
# Runs a command against an Xvfb of its own, on a display number Xvfb picks free.
#   mit_xvfb.sh PROGRAMM [ARGUMENTE…]
set -euo pipefail

xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
# Xvfb writes its display number once it is ready.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 nummer <&"$fd" || { echo "Xvfb startet nicht" >&2; exit 1; }
DISPLAY=":$nummer" "$@"
