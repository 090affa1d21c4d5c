#!/usr/bin/env bash
# The registry watch behind Quindle's following of outside changes, under Wine: with no store key at
# start the key is made and watched; a value written under it or in a new section pings, and so does
# each later write (the watch is made again after every ping).
set -uo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
probe=$3
start_wine
wine reg delete "$store_key" /f >/dev/null 2>&1
wine "$probe" >"$E2E_TMP/probe.out" 2>/dev/null & E2E_PIDS+=($!)
pings() { grep -c '^touched' "$E2E_TMP/probe.out"; }
check_true "the watch starts" wait_until 60 grep -q '^watching' "$E2E_TMP/probe.out"
check_true "a missing store key is made" eval 'wine reg query "$store_key" >/dev/null 2>&1'
check "no ping before a write" 0 "$(pings)"
wine reg add "$store_key\\Common" /v Title /d First /f >/dev/null
check_true "a new section and value ping" wait_until 60 eval '[ "$(pings)" -ge 1 ]'
seen=$(pings)
wine reg add "$store_key\\Common" /v Title /d Second /f >/dev/null
check_true "a changed value pings again" wait_until 60 eval '[ "$(pings)" -gt $seen ]'
seen=$(pings)
wine reg delete "$store_key\\Common" /v Title /f >/dev/null
check_true "a removed value pings again" wait_until 60 eval '[ "$(pings)" -gt $seen ]'
finish
