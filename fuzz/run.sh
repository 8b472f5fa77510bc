#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time on its seed corpus and prints, per target, the
# executions and the findings. Exits non-zero when any target found something.
#   fuzz/run.sh <build>/fuzz [seconds per target]
# New inputs go to a scratch corpus beside the build, so fuzz/corpus keeps only the chosen seeds; a finding
# of this run is kept under <build>/fuzz/findings with the input that caused it.
set -uo pipefail

bin_dir=${1:?usage: fuzz/run.sh <fuzz binary folder> [seconds]}
seconds=${2:-60}
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
work=$bin_dir/work
findings=$bin_dir/findings
rm -rf "$findings"
mkdir -p "$work" "$findings"

targets=(fieldsplitter settings symboldatabase candidatefile wordbook textdecode textencode transferencode
    oldwordbook candidatelistpage symbollist)
failed=0
failed_count=0
summary=()
for target in "${targets[@]}"; do
    exe=$bin_dir/$target
    if [ ! -x "$exe" ]; then
        echo "missing fuzz target $exe" >&2
        failed=1
        failed_count=$((failed_count + 1))
        continue
    fi
    mkdir -p "$work/$target"
    log=$work/$target.log
    echo "== $target: ${seconds} s"
    "$exe" "$work/$target" "$seeds/$target" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(find "$findings" -name "$target-*" -type f | wc -l)
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        failed_count=$((failed_count + 1))
        echo "-- $target failed (exit $status); the end of its log:"
        tail -n 60 "$log"
    fi
    summary+=("$(printf '%-16s %12s executions  %3d findings' "$target" "${runs:-?}" "$found")")
done

echo "== fuzzing, ${seconds} s per target"
printf '%s\n' "${summary[@]}"
echo "fuzzing: $((${#targets[@]} - failed_count)) passed, $failed_count failed"
exit "$failed"
