#!/usr/bin/env bash
# Compiles, syntax only, each source of the given targets with a Windows cross compiler.
#   syntax_check.sh <compiler> <folder/target>...
# Each <folder/target>.rsp holds that target's compiler options, <folder/target>.sources its files.
# UNICODE and _UNICODE are defined as Qt for Windows defines them for every program that uses it.
set -uo pipefail
cxx=$1; shift
jobs=$(nproc)
list=$(mktemp); trap 'rm -f "$list"' EXIT
for target in "$@"; do
    while IFS= read -r source; do
        [ -n "$source" ] && printf '%s\t%s\n' "$target.rsp" "$source"
    done <"$target.sources"
done >"$list"
count=$(wc -l <"$list")
[ "$count" -gt 0 ] || { echo "FAIL no sources listed"; exit 1; }
# One line per file: "ok <file>" or the compiler's messages and "FAIL <file>".
check_one() {
    local out
    if out=$("$cxx" -std=c++20 -fsyntax-only -DUNICODE -D_UNICODE "@$1" "$2" 2>&1); then
        echo "ok   $2"
    else
        printf '%s\nFAIL %s\n' "$out" "$2"
    fi
}
export -f check_one; export cxx
results=$(tr '\n' '\0' <"$list" | xargs -0 -P "$jobs" -I{} bash -c 'IFS=$'"'"'\t'"'"' read -r rsp src <<<"$1"; check_one "$rsp" "$src"' _ {})
echo "$results"
failed=$(grep -c '^FAIL ' <<<"$results")
echo "$((count - failed)) of $count sources compile for Windows"
[ "$failed" -eq 0 ]
