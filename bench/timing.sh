# Timing helpers shared by the benchmark scripts (sourced, not run). They read $runs.

# Median wall time in seconds of running "$@" $runs times (output discarded).
median() {
  local times=() t0 t1
  for _ in $(seq "$runs"); do
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    t1=$(date +%s.%N)
    times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f", b - a}')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", (b > 0 ? a / b : 0)}'; }

report() {  # name, our time, their time, tool, limit
  printf '%-44s kavdrift %8.3fs  %-14s %8.3fs  ratio %6s  (target <= %s)\n' \
    "$1" "$2" "$4" "$3" "$(ratio "$2" "$3")" "$5"
}
