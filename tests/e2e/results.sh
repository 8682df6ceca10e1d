#!/usr/bin/env bash
# The result lines of an end-to-end run, sourced by every script: each check prints one
# "ok - ..." / "not ok - ..." line; finish prints "N passed, M failed" and exits non-zero if any
# check failed.

PASSED=0
FAILED=0
ok() { echo "ok - $*"; PASSED=$((PASSED + 1)); }
not_ok() { echo "not ok - $*"; FAILED=$((FAILED + 1)); }
# check "<description>" command...: one result line for the command's success.
check() {
    local what=$1
    shift
    if "$@"; then ok "$what"; else not_ok "$what"; fi
}
note() { echo "# $*"; }
# finish: the closing line and the exit status of the run.
finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
    exit
}
