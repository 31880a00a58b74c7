#!/bin/sh
# vintorp-batch when standard input cannot be read (a directory) or standard
# output cannot be written (/dev/full): exit status 3 and the one line
# naming the reason on standard error; for output, reading stops at the
# failure, so no invalid line further on is noted.
# Usage: failing_io.sh input|output <vintorp-batch> <cases.jsonl> <work file prefix>
set -u
mode=$1
batch=$2
cases=$3
work=$4
case $mode in
input)
    "$batch" </ >"$work.out" 2>"$work.err"
    status=$?
    expected='vintorp-batch: cannot read standard input: Is a directory'
    ;;
output)
    "$batch" <"$cases" >/dev/full 2>"$work.err"
    status=$?
    expected='vintorp-batch: cannot write standard output: No space left on device'
    ;;
*)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
if [ "$status" -ne 3 ]; then
    echo "exit status $status, expected 3" >&2
    exit 1
fi
if [ "$(cat "$work.err")" != "$expected" ]; then
    echo "standard error is not \"$expected\" alone:" >&2
    cat "$work.err" >&2
    exit 1
fi
