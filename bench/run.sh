#!/usr/bin/env bash
# The import benchmark: imports synthetic companies of several sizes with aap-import and
# compares each import with the floor, the sqlite3 shell running the module's own queries
# on the same file; then imports the large Jet company and compares it with mdb-export
# writing the tables the import reads. Prints wall and CPU seconds, journal lines per
# second, peak resident memory and the ratios to the floor, then the targets met or missed.
# On a machine shared with other work the CPU seconds are the steadier measure.
#
#   bench/run.sh [--sizes 10000,100000,1000000] [--build DIR] [--work DIR] [--runs N]
#                [--seed N] [--keyed] [--jet FILE | --no-jet]
#
# Not part of the test suite. Needs the targets make-company, aap-import, AAPVantrel,
# aap-jet-reader and aap-import-runtime built in DIR (default: build), and sqlite3,
# mdb-export and /usr/bin/time (Debian packages sqlite3, mdbtools, time). Companies are
# generated once into the work folder (default: $TMPDIR/aapvantrel-bench) and reused
# while the generator is unchanged.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sizes=10000,100000,1000000
build=$repo/build
work=${TMPDIR:-/tmp}/aapvantrel-bench
runs=3
seed=1
keyed=
jet=$repo/../shared/fixtures/large/large.mdb

usage() { sed -n '2,16p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit "${1:-0}"; }
while (($#)); do
    case $1 in
        --sizes) sizes=$2; shift 2 ;;
        --build) build=$(cd "$2" && pwd); shift 2 ;;
        --work) work=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --seed) seed=$2; shift 2 ;;
        --keyed) keyed=--keyed; shift ;;
        --jet) jet=$2; shift 2 ;;
        --no-jet) jet=; shift ;;
        -h|--help) usage 0 ;;
        *) echo "run.sh: unknown argument $1" >&2; usage 2 ;;
    esac
done

make_company=$build/tools/make-company
import=$build/host/aap-import
for program in "$make_company" "$import"; do
    [[ -x $program ]] || { echo "run.sh: $program is missing; build it: ninja -C $build make-company aap-import AAPVantrel aap-jet-reader aap-import-runtime" >&2; exit 2; }
done
for tool in sqlite3 /usr/bin/time ${jet:+mdb-export}; do
    command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing (Debian packages sqlite3, mdbtools, time)" >&2; exit 2; }
done
mkdir -p "$work"
sqlite() { sqlite3 -batch -noheader -list "$@"; }

# One measurement over $runs runs: the best wall time, the best CPU time (user + system,
# children included) and the highest peak RSS.
# Usage: measure STDIN STDOUT command...   Sets $wall, $cpu (seconds) and $rss_kb.
measure() {
    local input=$1 output=$2
    shift 2
    wall= cpu= rss_kb=0
    local r start end seconds kb user system cpu_seconds
    for ((r = 0; r < runs; r++)); do
        start=$(date +%s%N)
        if ! /usr/bin/time -f '%M %U %S' -o "$work/usage" "$@" <"$input" >"$output" 2>"$work/stderr"; then
            echo "run.sh: failed: $*" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
        end=$(date +%s%N)
        seconds=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
        read -r kb user system < <(tail -n 1 "$work/usage")
        cpu_seconds=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
        if [[ -z $wall ]] || awk -v a="$seconds" -v b="$wall" 'BEGIN { exit !(a < b) }'; then
            wall=$seconds
        fi
        if [[ -z $cpu ]] || awk -v a="$cpu_seconds" -v b="$cpu" 'BEGIN { exit !(a < b) }'; then
            cpu=$cpu_seconds
        fi
        ((kb > rss_kb)) && rss_kb=$kb
    done
    return 0
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# Results kept for the targets: name=value lines.
results=$work/results
: >"$results"
note() { echo "$1=$2" >>"$results"; }
value() { awk -F= -v k="$1" '$1 == k { v = $2 } END { print v }' "$results"; }

printf '%-16s %-25s %8s %8s %10s %8s %7s %7s\n' company run "wall s" "cpu s" "lines/s" \
    "peak MB" "x wall" "x cpu"
row() {  # company run lines floor_wall floor_cpu
    printf '%-16s %-25s %8s %8s %10s %8s %7s %7s\n' "$1" "$2" "$wall" "$cpu" \
        "$(awk -v n="$3" -v s="$wall" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }')" \
        "$(awk -v k="$rss_kb" 'BEGIN { printf "%.1f", k / 1024 }')" "$(ratio "$wall" "$4")" \
        "$(ratio "$cpu" "$5")"
}

# The journal lines an import delivers: those of entries from the current year, period 1.
imported_lines() {
    sqlite "$1" "SELECT count(*) FROM GL_JournalDetail d JOIN GL_JournalEntry e
                 ON d.Batch = e.Batch AND d.Entry = e.Entry
                 WHERE e.UpdateBeginningBalance = 0 AND e.FiscalYear >= (SELECT FiscalYear FROM GL_ControlInformation);"
}

# Floor and imports of one SQLite company file.
bench_sqlite_company() {
    local name=$1 file=$2 key=$3
    local lines floor floor_cpu
    lines=$(imported_lines "$file")
    "$repo/bench/floor-queries.sh" "$file" 1 >"$work/floor-$key.sql"
    cat "$file" >/dev/null  # into the page cache

    measure "$work/floor-$key.sql" /dev/null sqlite3 "$file"
    floor=$wall floor_cpu=$cpu
    note "floor.$key" "$wall"
    note "floorcpu.$key" "$cpu"
    row "$name" "floor: sqlite3 queries" "$lines" "$floor" "$floor_cpu"

    measure /dev/null /dev/null "$import" --quiet --format jsonl --output - "$file"
    note "import.$key" "$wall"
    note "importcpu.$key" "$cpu"
    note "lines.$key" "$lines"
    note "rss.$key.null" "$rss_kb"
    row "$name" "import jsonl > /dev/null" "$lines" "$floor" "$floor_cpu"

    measure /dev/null /dev/null "$import" --quiet --format jsonl --output "$work/out-$key.jsonl" "$file"
    note "rss.$key.jsonl" "$rss_kb"
    row "$name" "import jsonl > file" "$lines" "$floor" "$floor_cpu"

    rm -rf "$work/out-$key"
    measure /dev/null /dev/null "$import" --quiet --format csv --output "$work/out-$key" "$file"
    note "rss.$key.csv" "$rss_kb"
    row "$name" "import csv > folder" "$lines" "$floor" "$floor_cpu"
    rm -rf "$work/out-$key" "$work/out-$key.jsonl"
}

generator_id=$(sha256sum "$make_company" | cut -c1-12)
IFS=, read -r -a size_list <<<"$sizes"
for size in "${size_list[@]}"; do
    file=$work/company-$size-seed$seed${keyed:+-keyed}-$generator_id.db
    if [[ ! -f $file ]]; then
        "$make_company" --quiet --lines "$size" --seed "$seed" $keyed "$file"
    fi
    bench_sqlite_company "$size lines" "$file" "$size"
done

if [[ -n $jet ]]; then
    [[ -f $jet ]] || { echo "run.sh: no Jet company at $jet" >&2; exit 2; }
    twin=${jet%.mdb}.db
    lines=-
    if [[ -f $twin ]]; then
        bench_sqlite_company "$(basename "$twin")" "$twin" twin
        lines=$(value lines.twin)
    fi
    cat "$jet" >/dev/null
    tables="GL_ControlInformation GL_AcctPeriod AA_AccountParts AA_Rollups Account Fund Dept Region Group
            GL_SummaryCodeBlock GL_SumActualBalances GL_SumBudgetBalances GL_SumBudgetQuantities
            GL_JournalEntry GL_JournalDetail"
    # shellcheck disable=SC2016
    measure /dev/null /dev/null bash -c 'f=$1; shift; for t; do mdb-export "$f" "$t" || exit 1; done' \
        export "$jet" $tables
    export_seconds=$wall export_cpu=$cpu
    note "export.jet" "$wall"
    note "exportcpu.jet" "$cpu"
    row "$(basename "$jet")" "mdb-export of its tables" "${lines/-/0}" "$export_seconds" "$export_cpu"
    measure /dev/null /dev/null "$import" --quiet --format jsonl --output - "$jet"
    note "import.jet" "$wall"
    note "importcpu.jet" "$cpu"
    note "rss.jet.null" "$rss_kb"
    row "$(basename "$jet")" "import jsonl > /dev/null" "${lines/-/0}" "$export_seconds" "$export_cpu"
fi

# Targets, on wall and on CPU time.
echo
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print ((v != "" && v + 0 <= limit + 0) ? "met" : "MISSED") }'; }
target() {  # text limit wall_ratio cpu_ratio
    printf '%-52s wall %5s %-6s  cpu %5s %s\n' "$1" "$3" "$(verdict "$3" "$2")" "$4" "$(verdict "$4" "$2")"
}
largest=${size_list[-1]}
target "import / floor at $largest lines (<= 1.5)" 1.5 \
    "$(ratio "$(value "import.$largest")" "$(value "floor.$largest")")" \
    "$(ratio "$(value "importcpu.$largest")" "$(value "floorcpu.$largest")")"
if ((${#size_list[@]} > 1)); then
    previous=${size_list[-2]}
    per_line() { awk -v s="$(value "$1.$2")" -v n="$(value "lines.$2")" 'BEGIN { print s / n }'; }
    target "time per line at $largest / at $previous lines (<= 1.3)" 1.3 \
        "$(ratio "$(per_line import "$largest")" "$(per_line import "$previous")")" \
        "$(ratio "$(per_line importcpu "$largest")" "$(per_line importcpu "$previous")")"
fi
if [[ -n $jet ]]; then
    target "Jet import / mdb-export (<= 1.5)" 1.5 "$(ratio "$(value import.jet)" "$(value export.jet)")" \
        "$(ratio "$(value importcpu.jet)" "$(value exportcpu.jet)")"
fi
peak=$(awk -F= '$1 ~ /^rss\./ && $2 > m { m = $2 } END { printf "%.1f", m / 1024 }' "$results")
printf '%-52s %5s MB %s\n' "highest peak RSS of aap-import (< 64 MB)" "$peak" "$(verdict "$peak" 63.99)"
