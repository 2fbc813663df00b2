#!/bin/sh
# What make test runs once everything is built: both Windows builds' suites
# under Wine side by side (each in its own prefix and on its own screens),
# and beside them, at the lowest priority, the host suites and the fuzz
# targets one at a time in the time the Wine suites leave (they mostly wait
# on the programs they drive; the fuzz targets touch no disk); then the
# reproducibility check alone (beside the Wine suites, a package build
# slowed the camera's own file writes past the suites' waits). Each step's
# time is said; every step runs, and the run fails when any did.
set -u
cd "$(dirname "$0")/.."
started=$(date +%s)
failed=
logs=$(mktemp -d)
step() {
    name=$1
    shift
    begun=$(date +%s)
    "$@" || failed="$failed $name"
    echo "== $name: $(($(date +%s) - begun)) s"
}
# Steps in the background, their output kept until it is shown whole; what
# failed in them is passed back through a file.
beside() {
    key=$1
    shift
    (
        failed=
        "$@"
        [ -z "$failed" ] || echo "$failed" >"$logs/$key.failed"
    ) >"$logs/$key" 2>&1 &
}
host_suites() {
    step "host suites" nice -n 19 ctest --preset native
    step "host suites under the sanitizers" nice -n 19 ctest --preset sanitize
}
begun=$(date +%s)
beside 64 step "64-bit build under Wine" tools/test-build.sh windows
beside 32 step "32-bit build under Wine" tools/test-build.sh windows32
beside host host_suites
wait
for key in 64 32 host; do
    cat "$logs/$key"
    if [ -f "$logs/$key.failed" ]; then
        failed="$failed$(cat "$logs/$key.failed")"
    fi
done
echo "== both builds under Wine and the host suites, side by side: $(($(date +%s) - begun)) s"
step "reproducibility" tools/reproducible.sh --programs
echo "== all tests: $(($(date +%s) - started)) s"
rm -rf "$logs"
if [ -n "$failed" ]; then
    echo "Failed:$failed"
    exit 1
fi
