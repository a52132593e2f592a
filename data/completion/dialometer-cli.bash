# bash completion for dialometer-cli
#
# Commands, options and --format values; the phonebook entries of the chosen
# back end for `dial` (asked of dialometer-cli itself); the month files of the
# data folder for `sessions`.

# The data folder as dialometer-cli would choose it for this command line.
_dialometer_cli_home()
{
    local i word
    for ((i = 1; i < ${#COMP_WORDS[@]}; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == --home ]] && ((i + 1 < ${#COMP_WORDS[@]})) && ((i + 1 != COMP_CWORD)); then
            printf '%s\n' "${COMP_WORDS[i + 1]/#\~/$HOME}"
            return
        elif [[ $word == --home=* ]]; then
            word=${word#--home=}
            printf '%s\n' "${word/#\~/$HOME}"
            return
        fi
    done
    if [[ -n ${DIALOMETER_HOME-} ]]; then
        printf '%s\n' "$DIALOMETER_HOME"
        return
    fi
    # A portable install keeps its data beside the program.
    local program dir
    program=$(type -P -- "${COMP_WORDS[0]/#\~/$HOME}" 2>/dev/null)
    if [[ -n $program ]]; then
        dir=$(dirname -- "$(readlink -f -- "$program")")
        if [[ -e $dir/dialometer.cfg || -d $dir/Logs ]]; then
            printf '%s\n' "$dir"
            return
        fi
    fi
    printf '%s\n' "${XDG_DATA_HOME:-$HOME/.local/share}/dialometer"
}

# The phonebook entries, one a line, from the status of the chosen back end.
_dialometer_cli_entries()
{
    local program=${COMP_WORDS[0]/#\~/$HOME}
    local -a runner=()
    type -P timeout >/dev/null && runner=(timeout 5)
    "${runner[@]}" "$program" status 2>/dev/null | awk '
        /^Phonebook entries:/ { listing = 1; next }
        /^[^ ]/ { listing = 0 }
        listing && /^  / { print substr($0, 3) }'
}

# Sets COMPREPLY to the lines of $1 that start with the word typed so far,
# quoted for the shell.
_dialometer_cli_reply_lines()
{
    local line typed=${cur//\\/}
    typed=${typed#[\"\']}
    COMPREPLY=()
    while IFS= read -r line; do
        [[ -n $line && $line == "$typed"* ]] || continue
        COMPREPLY+=("$(printf '%q' "$line")")
    done <<<"$1"
}

_dialometer_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands='decode encode sessions months cost usage price status dial hangup'

    # The command is the first word that is neither an option nor the value
    # of --home; count the plain arguments after it.
    local i word command='' positional=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == --home ]]; then
            ((i++))
        elif [[ -z $command ]]; then
            [[ $word == -* ]] || command=$word
        elif [[ $word == --daily ]]; then
            # The one option that takes no value.
            :
        elif [[ $word == --* ]]; then
            # Every other option of a command takes a value.
            [[ $word == --*=* ]] || ((i++))
        else
            ((positional++))
        fi
    done

    case $prev in
    --home)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --format)
        if [[ $command == status || $command == price ]]; then
            mapfile -t COMPREPLY < <(compgen -W 'text json' -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W 'text csv json' -- "$cur")
        fi
        return
        ;;
    --in | --config)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --at)
        mapfile -t COMPREPLY < <(compgen -W "$(date +%Y-%m-%dT%H:%M:%S)" -- "$cur")
        return
        ;;
    --provider | --minutes | --received-mb | --sent-mb | --within)
        COMPREPLY=()
        return
        ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W '--home --help --version' -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
        fi
        return
    fi

    local options=''
    case $command in
    encode) options='--in' ;;
    sessions | months | status) options='--format' ;;
    cost) options='--config --provider --at --minutes --received-mb --sent-mb' ;;
    usage) options='--at --provider --daily --format' ;;
    price) options='--provider --at --minutes --within --format' ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options --home" -- "$cur")
        return
    fi

    case $command in
    decode | encode)
        ((positional == 0)) || return
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    sessions)
        # Any file, and the month files of the data folder by their full path.
        compopt -o filenames 2>/dev/null
        local logs
        logs="$(_dialometer_cli_home)/Logs"
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        if [[ -d $logs ]]; then
            local month
            for month in "$logs"/*.sn2; do
                [[ -f $month && $month == "$cur"* ]] && COMPREPLY+=("$month")
            done
        fi
        ;;
    dial)
        ((positional == 0)) || return
        _dialometer_cli_reply_lines "$(_dialometer_cli_entries)"
        ;;
    esac
}

complete -F _dialometer_cli dialometer-cli
