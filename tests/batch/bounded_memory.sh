#!/bin/sh
# vintorp-batch in an address space of 1,000,000 KiB on two lines of about
# 50 MB each, a case whose unknown key holds [{},{},...] and one whose unknown
# key holds arrays nested 25 million deep, then the worked example: each line
# gets its answer, "ok", and the exit status is 0.
# Usage: bounded_memory.sh <vintorp-batch> <work file prefix>
set -eu
batch=$1
work=$2
case='"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":","'
trap 'rm -f "$work.in"' EXIT
{
    printf '{%s,"x":[{}' "$case"
    yes ',{}' | head -n 16600000 | tr -d '\n'
    printf ']}\n{%s,"x":' "$case"
    yes '[' | head -n 25000000 | tr -d '\n'
    yes ']' | head -n 25000000 | tr -d '\n'
    printf '}\n{%s}\n' "$case"
} >"$work.in"

status=0
(ulimit -v 1000000 && exec "$batch") <"$work.in" >"$work.out" 2>"$work.err" || status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status, expected 0; standard error:" >&2
    cat "$work.err" >&2
    exit 1
fi
answers=$(grep -c '^{"status":"ok",' "$work.out" || true)
if [ "$answers" -ne 3 ] || [ "$(wc -l <"$work.out")" -ne 3 ]; then
    echo "expected three answers \"ok\", got:" >&2
    cut -c 1-100 "$work.out" >&2
    exit 1
fi
