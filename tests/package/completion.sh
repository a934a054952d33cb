#!/usr/bin/env bash
# The bash completion of zl410-cli offers what the program's usage says, run as bash runs it: COMP_WORDS and
# COMP_CWORD set, the function called, COMPREPLY read. The zsh one is checked for its syntax.
# Usage: completion.sh COMPLETION_DIR ZL410_CLI
set -uo pipefail
completion=$1/zl410-cli.bash
cli=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
touch a.pjz b.pjz old.olz image.bin notes.txt
mkdir folder empty
failures=0

# offers WORD...: the sorted offers for the command line WORD... (the last word is being completed).
offers()
{
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _zl410_cli
             ((${#COMPREPLY[@]} == 0)) || printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' completion "$completion" "$@"
}

expect()
{
    local wanted=$1
    shift
    local got
    got=$(offers "$cli" "$@")
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: zl410-cli ${*@Q}: offered \"$got\", expected \"$wanted\""
        failures=$((failures + 1))
    fi
}

commands=$("$cli" --help | awk '/^      zl410-cli / { print $2 }' | sort | tr '\n' ' ')
[ -n "$commands" ] || { echo "FAIL: no commands in the usage"; exit 1; }
expect "$commands" ""
expect "compile convert " co
expect "--data-dir --help --version " -
expect "$commands" --data-dir folder ""
expect "empty folder " --data-dir ""
# Options per command, and the files each option or argument takes, by their extension.
expect "--accept-limit-repair --driver --help --map " compile --
expect "a.pjz b.pjz empty folder " compile ""
expect "empty folder image.bin " compile a.pjz -o ""
expect "empty folder old.olz " convert ""
expect "empty folder image.bin " download --image ""
expect "--pty " panel-sim --pt
expect "a.pjz b.pjz empty folder image.bin notes.txt old.olz " panel-sim --dump ""
expect "" render a.pjz --window ""
expect "empty folder " render a.pjz --all -o ""
expect "a4 letter " report a.pjz --paper ""
expect "letter " report a.pjz --paper l
expect "" protocols ""
expect "--json " check a.pjz --j
expect "--plc " simulate a.pjz --pl
expect "tcp: " simulate a.pjz --plc t
# Protocol numbers come from the catalogue of the data folder the command line names.
numbers=$("$cli" protocols | awk 'NR > 1 { print $2 }' | sort | tr '\n' ' ')
[ -n "$numbers" ] || { echo "FAIL: no protocols listed"; exit 1; }
expect "$numbers" download --protocol ""
expect "$numbers" new -o x.pjz --protocol ""
expect "" --data-dir empty tables --protocol ""
# Serial ports: only the devices that exist and are serial ports.
for offer in $(offers "$cli" download --port /dev/tty); do
    case $offer in
    /dev/ttyS[0-9]* | /dev/ttyUSB[0-9]* | /dev/ttyACM[0-9]*) [ -e "$offer" ] || { echo "FAIL: $offer does not exist"; failures=$((failures + 1)); } ;;
    *) echo "FAIL: --port offered $offer"; failures=$((failures + 1)) ;;
    esac
done

if command -v zsh > /dev/null; then
    zsh -n "$1/_zl410-cli" || { echo "FAIL: _zl410-cli is no valid zsh"; failures=$((failures + 1)); }
fi
[ "$failures" -eq 0 ] && echo "completion: all offers as expected"
exit $((failures > 0))
