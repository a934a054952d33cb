# bash completion for zl410-cli.
# The commands, their options and what each option takes are read from the program's own usage text
# ("zl410-cli --help"), so a new command or option completes without a change here. A value is completed
# by the placeholder its usage names: *.EXT files, FILE, DIR, DEVICE (serial ports), choices a|b; --protocol
# takes the numbers of the protocol catalogue, --plc "tcp:" or "rtu:" with a serial port.

# The usage line's words after "zl410-cli COMMAND", one per line, or nothing for an unknown command.
_zl410_cli_usage_words()
{
    local help=$1 command=$2 line
    while IFS= read -r line; do
        if [[ $line == "      zl410-cli $command "* ]]; then
            local -a words
            read -ra words <<< "${line#"      zl410-cli $command "}"
            printf '%s\n' "${words[@]}"
            return
        fi
    done <<< "$help"
}

# Completes $cur with files ending in $1 (any file when empty) and folders.
_zl410_cli_files()
{
    compopt -o filenames 2>/dev/null
    local IFS=$'\n'
    if [[ -n $1 ]]; then
        COMPREPLY=($(compgen -f -X "!*$1" -- "$cur") $(compgen -d -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}

# Completes $cur as the value of option $1 whose usage placeholder is $2.
_zl410_cli_value()
{
    local option=$1 placeholder=${2#[[(\"]}
    placeholder=${placeholder%%[\])]*}
    if [[ $option == --protocol ]]; then
        local numbers
        numbers=$("$program" "${data_dir[@]}" protocols 2>/dev/null | awk 'NR > 1 && $2 ~ /^[0-9]+$/ { print $2 }')
        COMPREPLY=($(compgen -W "$numbers" -- "$cur"))
    elif [[ $option == --plc ]]; then
        # tcp:HOST:PORT, or rtu: followed by a serial port.
        local device
        COMPREPLY=($(compgen -W "tcp:" -- "$cur"))
        for device in /dev/ttyS[0-9]* /dev/ttyUSB[0-9]* /dev/ttyACM[0-9]*; do
            [[ -e $device && rtu:$device == "$cur"* ]] && COMPREPLY+=("rtu:$device")
        done
        [[ rtu: == "$cur"* && ${#COMPREPLY[@]} -le 1 ]] && COMPREPLY+=("rtu:")
        compopt -o nospace 2>/dev/null
    elif [[ $placeholder == DEVICE ]]; then
        local device
        for device in /dev/ttyS[0-9]* /dev/ttyUSB[0-9]* /dev/ttyACM[0-9]*; do
            [[ -e $device && $device == "$cur"* ]] && COMPREPLY+=("$device")
        done
        # Any other device (a pseudo-terminal of panel-sim) by its path.
        ((${#COMPREPLY[@]})) || _zl410_cli_files ""
    elif [[ $placeholder == *'|'* ]]; then
        # Choices ("a4|letter"), or placeholders one of which applies ("OUT.png|DIR": the files of the
        # first come with the folders).
        if [[ $placeholder =~ ^[a-z0-9|]+$ ]]; then
            COMPREPLY=($(compgen -W "${placeholder//|/ }" -- "$cur"))
        else
            _zl410_cli_value "$option" "${placeholder%%|*}"
        fi
    elif [[ $placeholder == DIR ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
    elif [[ $placeholder == FILE ]]; then
        _zl410_cli_files ""
    elif [[ $placeholder == *.* ]]; then
        _zl410_cli_files ".${placeholder##*.}"
    fi
}

_zl410_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    command -v "$program" > /dev/null 2>&1 || program=zl410-cli
    COMPREPLY=()

    # The command: the first word that is neither a global option nor its value.
    local -a data_dir=()
    local command="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --data-dir)
            ((i + 1 < COMP_CWORD)) && data_dir=(--data-dir "${COMP_WORDS[i + 1]}")
            ((i++)) ;;
        --data-dir=*) data_dir=("${COMP_WORDS[i]}") ;;
        -*) ;;
        *) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    if [[ -z $command ]]; then
        if [[ $prev == --data-dir ]]; then
            _zl410_cli_value --data-dir DIR
        elif [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--data-dir --help --version" -- "$cur"))
        else
            local commands
            commands=$("$program" --help 2>/dev/null | awk '/^      zl410-cli / { print $2 }')
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    local -a usage
    mapfile -t usage < <(_zl410_cli_usage_words "$("$program" --help 2>/dev/null)" "$command")
    # Options with the placeholder of their value ("" for a flag), and the placeholders of file names.
    local -A takes=()
    local -a options=(--help) positional=()
    local word next n=${#usage[@]} j name opening='[[(]' closed='*[])]'
    for ((j = 0; j < n; j++)); do
        word=${usage[j]#$opening}
        next=${usage[j + 1]:-}
        if [[ $word == -* ]]; then
            local value=""
            [[ $word != $closed && -n $next && ${next#$opening} != -* && $next != "|" ]] && value=$next
            word=${word%%[\])]*}
            local IFS='|'
            for name in $word; do
                options+=("$name")
                takes[$name]=$value
            done
            unset IFS
            [[ -n $value ]] && ((j++))
        elif [[ $word == *.* ]]; then
            positional+=("${word%%[\])]*}")
        fi
    done

    if [[ -n ${takes[$prev]+set} && -n ${takes[$prev]} ]]; then
        _zl410_cli_value "$prev" "${takes[$prev]}"
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${options[*]}" -- "$cur"))
    elif ((${#positional[@]} > 0)); then
        local extension="${positional[0]##*.}" other
        for other in "${positional[@]}"; do
            [[ ${other##*.} == "$extension" ]] || extension=""
        done
        _zl410_cli_files "${extension:+.$extension}"
    fi
}

complete -F _zl410_cli zl410-cli
