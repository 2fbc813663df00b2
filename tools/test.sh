#!/bin/sh
# What make test runs once everything is built: the host suites, both
# Windows builds' suites under Wine, and the reproducibility check, which
# builds the package twice in the background meanwhile, at the lowest
# priority: the Wine suites mostly wait on Wine, and keep their own pace.
# Each step's time is said; every step runs, and the run fails when any did.
set -u
cd "$(dirname "$0")/.."
log=build/reproducible.log
started=$(date +%s)
nice -n 19 tools/reproducible.sh >"$log" 2>&1 &
check=$!
failed=
step() {
    name=$1
    shift
    begun=$(date +%s)
    "$@" || failed="$failed $name"
    echo "== $name: $(($(date +%s) - begun)) s"
}
step "host suites" ctest --preset native
step "host suites under the sanitizers" ctest --preset sanitize
step "64-bit build under Wine" tools/test-build.sh windows
step "32-bit build under Wine" tools/test-build.sh windows32
begun=$(date +%s)
wait "$check" || failed="$failed reproducibility"
cat "$log"
echo "== reproducibility: waited $(($(date +%s) - begun)) s more for it"
echo "== all tests: $(($(date +%s) - started)) s"
if [ -n "$failed" ]; then
    echo "Failed:$failed"
    exit 1
fi
