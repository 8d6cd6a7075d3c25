#!/bin/sh
# Runs one test process with a user-data folder of its own, so that tests
# running side by side never see each other's players, options or logs.
dir=$(mktemp -d "${TMPDIR:-/tmp}/pq-test-XXXXXX") || exit 1
XDG_DATA_HOME=$dir "$@"
status=$?
rm -rf "$dir"
exit $status
