#!/bin/sh
# vintorp-batch in an address space of 1,000,000 KiB on a case whose unknown
# key holds [{},{},...] and one whose unknown key holds arrays nested 25
# million deep, each line about 50 MB, then the worked example: exit status
# 0 and three answers "ok". Usage: bounded_memory.sh <vintorp-batch> <work file prefix>
set -eu
case='"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":","'
trap 'rm -f "$2.in"' EXIT
{
    printf '{%s,"x":[{}' "$case" && yes ',{}' | head -n 16600000 | tr -d '\n'
    printf ']}\n{%s,"x":' "$case" && yes '[' | head -n 25000000 | tr -d '\n'
    yes ']' | head -n 25000000 | tr -d '\n' && printf '}\n{%s}\n' "$case"
} >"$2.in"
(ulimit -v 1000000 && exec "$1") <"$2.in" >"$2.out" || { echo "exit status $?, expected 0" >&2; exit 1; }
[ "$(grep -c '^{"status":"ok",' "$2.out")" -eq 3 ] && [ "$(wc -l <"$2.out")" -eq 3 ] \
    || { echo "expected three answers \"ok\", got:" >&2; cut -c 1-100 "$2.out" >&2; exit 1; }
