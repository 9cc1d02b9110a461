#!/bin/sh
# ManualPagesTest.sh MAN_FOLDER PROGRAM...: each program's manual page lists exactly the options
# its --help lists. Prints the differences; exit 1 on any.
set -u
folder=$1
shift
failures=0
for program in "$@"; do
    name=$(basename "$program")
    page=$folder/$name.1
    # --help: the option column of the rows that start with a dash, up to the two spaces before
    # the description.
    from_help=$("$program" --help 2>/dev/null | sed -nE 's/^ +(-.*)$/\1/p' | awk -F '  ' '{print $1}' |
        grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
    # The page: the tag line after each .TP of its OPTIONS section.
    from_page=$(sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' "$page" | sed -n '/^\.TP/{n;p}' | sed 's/\\-/-/g' |
        grep -oE '(^|[ "])--?[a-z][a-z-]*' | tr -d ' "' | sort -u)
    if [ -z "$from_help" ]; then
        echo "FAIL: $name --help lists no options"
        failures=$((failures + 1))
    elif [ "$from_help" != "$from_page" ]; then
        echo "FAIL: $name: --help and $name.1 differ (< help, > page):"
        printf '%s\n' "$from_help" >"$folder/$name.help-options"
        printf '%s\n' "$from_page" | diff "$folder/$name.help-options" - | grep '^[<>]'
        failures=$((failures + 1))
    else
        echo "$name: $(echo $from_help)"
    fi
done
[ "$failures" -eq 0 ]
