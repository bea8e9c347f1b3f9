# Counting assertions in the shell tests; a run ends with the plain "N passed, N failed" line.
# shellcheck shell=bash

PASSED=0
FAILED=0

check() {  # check "what" command...: counts and reports one assertion
    local what=$1
    shift
    if "$@"; then
        PASSED=$((PASSED + 1))
        echo "PASS: $what"
    else
        FAILED=$((FAILED + 1))
        echo "FAIL: $what"
    fi
}

finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}
