# Shared by the side-by-side benchmarks: CPU seconds (user + system, so that
# other work on the machine does not count) of one command, the median of
# five runs. Source it from bash.

# cpu_seconds INPUT OUT COMMAND...: the command reads INPUT (or nothing when
# INPUT is -) and writes OUT; prints the median CPU seconds.
cpu_seconds() {
  local input=$1 out=$2
  shift 2
  [ "$input" = - ] && input=/dev/null
  for _ in 1 2 3 4 5; do
    { TIMEFORMAT='%U %S'; time "$@" <"$input" >"$out" 2>/dev/null; } 2>&1 | tail -1
  done | awk '{ print $1 + $2 }' | sort -g | sed -n 3p
}

# cpu_row NAME SECONDS PEER_SECONDS: one line with the ratio of the peer's
# CPU time over this command's (above 1: this command is faster).
cpu_row() {
  awk -v n="$1" -v s="$2" -v q="$3" \
    'BEGIN { printf "%-50s %8.3f s   ratio qqwing/this %5.2f\n", n, s, q / s }'
}
