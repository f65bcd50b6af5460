#!/usr/bin/env bash
# glyphgrid-cli writing many frames against cat writing the same bytes, run alternately in one go,
# and the CLI's peak memory for a growing number of frames.
# usage: cli_bench.sh path/to/glyphgrid-cli
set -euo pipefail
cli="${1:?usage: cli_bench.sh path/to/glyphgrid-cli}"
runs=15
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf 'O......R\n........\n..G.....\n........\n........\n........\n........\nR......G\n' >"$scratch/pattern"

nanoseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $((end - start))
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

missed=()
printf '%-34s %10s %10s %8s  %-10s %s\n' "run" "cli" "cat" "ratio" "target" "met"
for format in planes data; do
  target=$([ "$format" = planes ] && echo 3 || echo 2)
  arguments=("$format" --from grid --frames 10000 "$scratch/pattern")
  "$cli" "${arguments[@]}" >"$scratch/expected"
  cli_times=() cat_times=()
  for ((run = 0; run < runs; ++run)); do
    cli_times+=("$(nanoseconds "$cli" "${arguments[@]}")")
    cat_times+=("$(nanoseconds cat "$scratch/expected")")
  done
  cli_median=$(printf '%s\n' "${cli_times[@]}" | median)
  cat_median=$(printf '%s\n' "${cat_times[@]}" | median)
  ratio=$(awk -v a="$cli_median" -v b="$cat_median" 'BEGIN { printf "%.2f", a / b }')
  met=$(awk -v r="$ratio" -v t="$target" 'BEGIN { print (r <= t) ? "yes" : "NO" }')
  [ "$met" = yes ] || missed+=("$format --frames 10000")
  printf '%-34s %8.2fms %8.2fms %7sx  %-10s %s\n' "$format --frames 10000 (median of $runs)" \
    "$(awk -v n="$cli_median" 'BEGIN { print n / 1e6 }')" \
    "$(awk -v n="$cat_median" 'BEGIN { print n / 1e6 }')" "$ratio" "<= ${target}x cat" "$met"
done

for frames in 1 100 10000; do
  kilobytes=$( { /usr/bin/time -f '%M' "$cli" planes --from grid --frames "$frames" \
    "$scratch/pattern" >/dev/null; } 2>&1 )
  met=$([ "$kilobytes" -lt 8192 ] && echo yes || echo NO)
  [ "$met" = yes ] || missed+=("peak RSS at --frames $frames")
  printf '%-34s %7s KB %10s %8s  %-10s %s\n' "peak RSS, planes --frames $frames" "$kilobytes" "" "" \
    "< 8 MB" "$met"
done

if [ ${#missed[@]} -eq 0 ]; then
  echo "Every target is met."
else
  printf 'MISSED: %s\n' "${missed[*]}"
fi
