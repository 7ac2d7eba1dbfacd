#!/usr/bin/env bash
# The scripts' own answers, without building anything: scripts/test.sh refuses what it does
# not know, and a desktop test whose tool is missing is skipped on a developer's machine
# (status 77) and fails in CI (status 1).
set -uo pipefail
cd "$(dirname "$0")/.."
failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
status_of() { "$@" >"$out" 2>&1; echo $?; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT

for argument in --sanitise --help "--sanitize extra"; do
    # shellcheck disable=SC2086 # the last one is two arguments
    status=$(status_of timeout 20 scripts/test.sh $argument)
    check "test.sh $argument ends with status 2 (was $status)" [ "$status" -eq 2 ]
    check "test.sh $argument names what it does not know" grep -q "unknown argument: $argument" "$out"
done

missing='source tests/desktop/tools.sh; require_tools getalveld-no-such-tool; exit 0'
status=$(CI= status_of bash -c "$missing")
check "a missing tool skips the test outside CI (was $status)" [ "$status" -eq 77 ]
check "and says so" grep -q "^SKIP: getalveld-no-such-tool is not installed" "$out"
status=$(CI=true status_of bash -c "$missing")
check "a missing tool fails the test in CI (was $status)" [ "$status" -eq 1 ]
status=$(CI= status_of bash -c 'source tests/desktop/tools.sh; require_tools bash; exit 0')
check "a tool that is there lets the test go on" [ "$status" -eq 0 ]

echo "scripts: $failures failed"
[ "$failures" -eq 0 ]
