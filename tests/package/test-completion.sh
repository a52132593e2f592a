#!/usr/bin/env bash
# The bash completion of dialometer-cli offers what the tool takes: every
# command and option that --help names, the --format values, the phonebook
# entries of the running back end for dial, the month files for sessions.
# Usage: test-completion.sh DIALOMETER_CLI COMPLETION_FILE
set -uo pipefail
cli=$1
source "$2"
failures=0

# Completes the words "$@" (the last one is the word being completed) and
# prints the candidates, one a line.
complete_words()
{
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _dialometer_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect()
{
    local what=$1 expected=$2 actual=$3
    if [[ $actual != "$expected" ]]; then
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$what" "${expected//$'\n'/ }" "${actual//$'\n'/ }"
        failures=$((failures + 1))
    fi
}

expect_contains()
{
    local what=$1 expected=$2 actual=$3
    if ! grep -qxF -- "$expected" <<<"$actual"; then
        printf 'FAIL: %s: %s not among: %s\n' "$what" "$expected" "${actual//$'\n'/ }"
        failures=$((failures + 1))
    fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Commands and their options, as --help lists them.
help=$("$cli" --help)
commands=$(sed -n '/^Commands:/,/^Options:/p' <<<"$help" | grep -oE '^  [a-z]+' | tr -d ' ' | sort)
expect "commands" "$commands" "$(complete_words '')"
expect "global options" "$(grep -oE '^  --[a-z-]+' <<<"$help" | tr -d ' ' | sort)" \
    "$(complete_words '--')"
for command in $commands; do
    # The usage of a command runs up to the next command's line.
    usage=$(sed -n "/^  $command\b/,\$p" <<<"$help" | sed -n '1p;2,${/^  [a-z]/q;/^$/q;p}')
    for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
        expect_contains "$command options" "$option" "$(complete_words "$command" --)"
    done
    if grep -q -- '--format' <<<"$usage"; then
        values=$(grep -oE -- '--format [a-z|]+' <<<"$usage" | head -n 1 | cut -d' ' -f2 | tr '|' '\n' | sort)
        expect "$command --format values" "$values" "$(complete_words "$command" --format '')"
    fi
done
expect "prefix" $'decode\ndial' "$(complete_words --home /x d)"

# dial: the entries of the simulated modem's phonebook, quoted for the shell.
cat >"$tmp/scenario.json" <<'JSON'
{"phonebook": ["Home Dial-up", "Night Tariff", "Office"], "connections": []}
JSON
export DIALOMETER_BACKEND=sim DIALOMETER_SIM=$tmp/scenario.json
expect "dial entries" $'Home\\ Dial-up\nNight\\ Tariff\nOffice' "$(complete_words dial '')"
expect "dial entries by prefix" 'Night\ Tariff' "$(complete_words dial N)"
expect "dial entries, typed quoted" 'Night\ Tariff' "$(complete_words dial 'Night\ T')"
expect "dial takes one entry" "" "$(complete_words dial Office '')"

# sessions: the month files of the data folder named by --home.
mkdir -p "$tmp/home/Logs"
touch "$tmp/home/Logs/26_11.sn2" "$tmp/home/Logs/26_12.sn2" "$tmp/home/Logs/notes.txt"
months=$(complete_words --home "$tmp/home" sessions "$tmp/home/Logs/")
expect_contains "month files" "$tmp/home/Logs/26_11.sn2" "$months"
expect_contains "month files" "$tmp/home/Logs/26_12.sn2" "$months"
expect_contains "month files from DIALOMETER_HOME" \
    "$tmp/home/Logs/26_12.sn2" "$(DIALOMETER_HOME=$tmp/home complete_words sessions '')"

if ((failures)); then
    echo "$failures completion checks failed"
    exit 1
fi
echo "completion offers what --help names"
