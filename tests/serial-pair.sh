#!/usr/bin/env bash
# Two serial ports wired to each other, for the serial port tests: socat joins two pseudo-terminals,
# linked as <folder>/tool and <folder>/panel, and in a Wine prefix also as its COM33 and COM34.
#   serial-pair.sh start|stop <folder> [<wine prefix>]
set -euo pipefail
action=$1
dir=$2
prefix=${3:-}
case $action in
start)
  mkdir -p "$dir"
  rm -f "$dir/tool" "$dir/panel"
  # Detached, its output in a file: the test that starts it ends at once.
  setsid socat pty,raw,echo=0,link="$dir/tool" pty,raw,echo=0,link="$dir/panel" \
    < /dev/null > "$dir/socat.log" 2>&1 &
  echo $! > "$dir/pid"
  for _ in $(seq 50); do
    [ -e "$dir/tool" ] && [ -e "$dir/panel" ] && break
    sleep 0.1
  done
  [ -e "$dir/tool" ] && [ -e "$dir/panel" ] || { cat "$dir/socat.log"; exit 1; }
  if [ -n "$prefix" ]; then
    ln -sfn "$(readlink -f "$dir/tool")" "$prefix/dosdevices/com33"
    ln -sfn "$(readlink -f "$dir/panel")" "$prefix/dosdevices/com34"
  fi
  ;;
stop)
  if [ -f "$dir/pid" ]; then
    kill "$(cat "$dir/pid")" 2> /dev/null || true
    rm -f "$dir/pid"
  fi
  [ -z "$prefix" ] || rm -f "$prefix/dosdevices/com33" "$prefix/dosdevices/com34"
  ;;
esac
