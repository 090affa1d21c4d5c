# Helpers for the tests of the Windows programs under Wine; source it after ../e2e/lib.sh, with the
# Windows build's bin folder as $1 and the Wine prefix (made by prefix.sh) as $2. The tests share that
# prefix one at a time; each begins with an empty store and ends its Wine processes.
bin=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# faketime must not fake file times, or Wine takes the prefix for an outdated one and updates it.
export NO_FAKE_STAT=1
unset DISPLAY
store_key='HKEY_CURRENT_USER\Software\VB and VBA Program Settings\QVX\Veltrane'
run_key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run'

# A private X server, an empty store and no Run value; Wine ends with the test. Qt's own variables
# reach a program under Wine only as WINEQT_...
start_wine() {
    start_xvfb
    trap 'wineserver -k 2>/dev/null; cleanup_e2e' EXIT
    load_store </dev/null
    wine reg delete "$run_key" /v Quindle /f >/dev/null 2>&1
}

# Replaces the store with the settings read from standard input in INI form ("[Section]", "Key=Value"),
# written as the registry's string values.
load_store() {
    local reg=$E2E_TMP/store.reg
    {
        printf 'REGEDIT4\r\n\r\n[-%s]\r\n\r\n' "$store_key"
        awk -v root="$store_key" '
            function quoted(s) { gsub(/\\/, "\\\\", s); gsub(/"/, "\\\"", s); return "\"" s "\"" }
            /^\[.*\]$/ { printf "\r\n[%s\\%s]\r\n", root, substr($0, 2, length($0) - 2); next }
            /=/ { i = index($0, "="); printf "%s=%s\r\n", quoted(substr($0, 1, i - 1)), quoted(substr($0, i + 1)) }'
    } >"$reg"
    wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
}

# One stored value ("" and false when missing): section key.
stored() {
    wine reg query "$store_key\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v k="$2" '$1 == k && $2 ~ /^REG_/ { sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]+/, ""); print; found = 1 } END { exit !found }'
}
# The type of a stored value (REG_SZ for a text).
stored_type() {
    wine reg query "$store_key\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'
}

# Runs a Windows program, its output with Windows's line ends made Unix ones; keeps its exit code.
win() {
    local rc
    wine "$@" 2>"$E2E_TMP/stderr" | tr -d '\r'
    rc=${PIPESTATUS[0]}
    tr -d '\r' <"$E2E_TMP/stderr" >&2
    return "$rc"
}
