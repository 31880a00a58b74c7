#!/bin/sh
# vintorp-batch under address-space limits from 60,000 to 160,000 KiB on a
# plain line, a line with a PDF template and a plain line again. Wherever the
# tool gets as far as answering the first line, it answers all three: the
# template "ok" or "not enough memory for the line", the others "ok". Both
# answers of the template must be seen somewhere in the range.
# Usage: template_memory.sh <vintorp-batch> <work file prefix>
set -eu
case='"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":"."'
trap 'rm -f "$2.in" "$2.out" "$2.pdf"' EXIT
printf '{%s}\n{%s,"template":"%s"}\n{%s}\n' "$case" "$case" "$2.pdf" "$case" >"$2.in"
ok='^{"status":"ok",'
short='{"status":"invalid","message":"not enough memory for the line"}'
made=0 refused=0
limit=60000
while [ $limit -le 160000 ]; do
    status=0
    (ulimit -v $limit && exec "$1") <"$2.in" >"$2.out" 2>/dev/null || status=$?
    if [ -s "$2.out" ]; then  # under the lowest limits the libraries do not even load
        [ $status -lt 128 ] && [ "$(wc -l <"$2.out")" -eq 3 ] && [ "$(sed -n 3p "$2.out" | grep -c "$ok")" -eq 1 ] \
            || { echo "at $limit KiB: exit status $status, answers:" >&2; cut -c 1-80 "$2.out" >&2; exit 1; }
        template=$(sed -n 2p "$2.out")
        if [ "$template" = "$short" ]; then
            refused=$((refused + 1))
        elif printf '%s\n' "$template" | grep -q "$ok"; then
            made=$((made + 1))
        else
            echo "at $limit KiB the template line got: $template" >&2 && exit 1
        fi
    fi
    limit=$((limit + 4000))
done
[ $made -gt 0 ] && [ $refused -gt 0 ] || { echo "templates made: $made, refused: $refused" >&2; exit 1; }
