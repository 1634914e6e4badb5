#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz for SECONDS each, JOBS at a time, from its corpus in
# fuzz/corpus/<name>; new inputs go to build-fuzz/corpus/<name>, findings to
# build-fuzz/findings/<name>. Prints executions per second and in all for each target.
# Usage: scripts/fuzz.sh SECONDS JOBS [TARGET...]; FUZZ_KEEP_GOING=1 collects every finding
# instead of stopping at the first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?seconds}
jobs=${2:-2}
shift 2 || true
dir=build-fuzz
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for t in "$dir"/fuzz/fuzz_*; do targets+=("$(basename "$t" | sed 's/^fuzz_//')"); done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local name=$1 work="$dir/corpus/$1" findings="$dir/findings/$1"
  mkdir -p "$work" "$findings" "fuzz/corpus/$name"
  # Collecting every finding, libFuzzer ends well even when it found some: the folder tells.
  local before
  before=$(find "$findings" -type f | wc -l)
  # Pictures and workbooks announce sizes the machine may hold; the limits only stop a
  # runaway, the readers' own checks refuse what does not fit.
  "$dir/fuzz/fuzz_$name" "$work" "fuzz/corpus/$name" -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=8192 -malloc_limit_mb=8192 -print_final_stats=1 \
    -artifact_prefix="$findings/" ${FUZZ_KEEP_GOING:+-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1} >"$dir/findings/$name.log" 2>&1
  local status=$?
  [[ $(find "$findings" -type f | wc -l) -eq $before ]] || status=1
  local runs rate
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/findings/$name.log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/findings/$name.log" | tail -1)
  if [[ -z $runs ]]; then
    # Fork mode prints no final statistics, only progress lines: "#runs: … time: Ns …".
    local last
    last=$(grep -E '^#[0-9]+:' "$dir/findings/$name.log" | tail -1)
    runs=$(sed -nE 's/^#([0-9]+):.*/\1/p' <<<"$last")
    local spent
    spent=$(sed -nE 's/.* time: ([0-9]+)s.*/\1/p' <<<"$last")
    [[ -n $runs && ${spent:-0} -gt 0 ]] && rate=$((runs / spent))
  fi
  printf '%-16s %10s exécutions  %7s /s  %s\n' "$name" "${runs:-?}" "${rate:-?}" \
    "$([[ $status -eq 0 ]] && echo "rien trouvé" || echo "ÉCHEC : voir $dir/findings/$name.log")"
  return $status
}
export -f run_one
export dir seconds

mkdir -p "$dir/findings"
status=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}' || status=$?
# libFuzzer ends without the exit handlers that remove each target's input folder.
rm -rf /dev/shm/tracelle-fuzz-* /tmp/tracelle-fuzz-*
exit $status
