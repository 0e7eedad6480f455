#!/bin/bash
# Checks that every #include "..." in src/ and tools/ runs the allowed way, as docs/architecture.md
# lists it: a module includes its own headers and those of the modules it builds on, never one that
# builds on it, and nothing shipped includes the tests or the benchmarks. A folder without a rule
# fails too, so a new module gets its place in the list before it gets code.
# Usage: scripts/check-includes.sh [SOURCE_DIR]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The modules each module may include besides itself.
allowed() {
    case $1 in
    platform) echo "" ;;
    collection) echo "platform" ;;
    resources) echo "collection" ;;
    report | ui/common) echo "collection resources" ;;
    services) echo "platform collection resources" ;;
    ui/entry) echo "ui/common collection resources" ;;
    ui/viewer) echo "ui/common report collection resources" ;;
    ui/main) echo "ui/entry ui/viewer ui/common services report collection resources platform" ;;
    app) echo "ui/main ui/entry ui/viewer ui/common services report collection resources platform" ;;
    tools) echo "report collection resources platform" ;;
    *) return 1 ;;
    esac
}

# The module of a path below src/ (include paths are relative to src/): its first folder, or its
# first two below ui/.
module() {
    local rest=${1#*/}
    case $1 in
    ui/*/*) echo "ui/${rest%%/*}" ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
    esac
}

# The operating system's own headers, which only src/platform/ includes.
system_header='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd\.h|fcntl\.h|sys/[^>]*|pwd\.h|dirent\.h|iconv\.h|windows\.h|shellapi\.h)>'
may_call_system() {
    [ "$1" = platform ]
}

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
    case $file in
    src/*) from=$(module "${file#src/}") ;;
    tools/*) from=tools ;;
    esac
    if ! allowed "$from" >/dev/null; then
        fail "$file: folder '$from' has no rule in scripts/check-includes.sh and docs/architecture.md"
        continue
    fi
    if ! may_call_system "$from"; then
        while IFS= read -r match; do
            fail "$file:${match%%:*}: only src/platform/ includes the system's headers (${match#*:})"
        done < <(grep -nE "$system_header" "$file" || true)
    fi
    read -r -a may <<<"$(allowed "$from")"
    while IFS= read -r match; do
        line=${match%%:*}
        [[ ${match#*:} =~ \"([^\"]*)\" ]]
        target=${BASH_REMATCH[1]}
        if [[ $target != */* ]]; then
            # A bare name is a header beside the file; anything else would come from the tests.
            [ -f "$(dirname "$file")/$target" ] ||
                fail "$file:$line: \"$target\" is not beside it; the program never includes test or benchmark headers"
            continue
        fi
        to=$(module "$target")
        if [[ $target == ../* || $target == */../* ]] || ! allowed "$to" >/dev/null; then
            fail "$file:$line: \"$target\" is not a header of the program's modules"
            continue
        fi
        [ "$to" = "$from" ] && continue
        ok=no
        for m in "${may[@]}"; do
            [ "$m" = "$to" ] && ok=yes
        done
        [ $ok = yes ] || fail "$file:$line: $from may not include $to (\"$target\")"
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(git ls-files -z --cached --others --exclude-standard -- 'src/*.cpp' 'src/*.h' \
    'tools/*.cpp' 'tools/*.h' 2>/dev/null || find src tools \( -name '*.cpp' -o -name '*.h' \) -print0)

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) against the direction in docs/architecture.md" >&2
    exit 1
fi
echo "includes follow the allowed direction"
