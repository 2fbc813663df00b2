#!/bin/sh
# What make test runs once everything is built: the host suites, both
# Windows builds' suites under Wine, then the reproducibility check, one
# after the other (beside the Wine suites, a package build slowed the
# camera's own file writes past the suites' waits). Each step's time is
# said; every step runs, and the run fails when any did.
set -u
cd "$(dirname "$0")/.."
started=$(date +%s)
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
step "reproducibility" tools/reproducible.sh
echo "== all tests: $(($(date +%s) - started)) s"
if [ -n "$failed" ]; then
    echo "Failed:$failed"
    exit 1
fi
