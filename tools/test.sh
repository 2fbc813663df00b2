#!/bin/sh
# What make test runs once everything is built: the host suites, both
# Windows builds' suites under Wine side by side (each in its own prefix and
# on its own screens; they mostly wait on the programs they drive), then the
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
# A step in the background, its output kept until it is shown whole; what
# failed in it is passed back through a file.
beside() {
    key=$1
    shift
    (
        failed=
        step "$@"
        [ -z "$failed" ] || echo "$failed" >"$logs/$key.failed"
    ) >"$logs/$key" 2>&1 &
}
step "host suites" ctest --preset native
# The fuzz targets take a core each.
step "host suites under the sanitizers" ctest --preset sanitize -j 2
begun=$(date +%s)
beside 64 "64-bit build under Wine" tools/test-build.sh windows
beside 32 "32-bit build under Wine" tools/test-build.sh windows32
wait
for key in 64 32; do
    cat "$logs/$key"
    if [ -f "$logs/$key.failed" ]; then
        failed="$failed$(cat "$logs/$key.failed")"
    fi
done
echo "== both builds under Wine, side by side: $(($(date +%s) - begun)) s"
step "reproducibility" tools/reproducible.sh
echo "== all tests: $(($(date +%s) - started)) s"
rm -rf "$logs"
if [ -n "$failed" ]; then
    echo "Failed:$failed"
    exit 1
fi
