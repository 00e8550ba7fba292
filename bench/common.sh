# Shared by the benchmark scripts bridge, events, startup and idle: building their programs into
# a folder of their own, a Wine of their own, the demo portal, and the machine's load (the
# figures mean little without it: other work on the machine slows the client and its floor
# alike only as far as the rounds interleave).
# shellcheck shell=bash
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"

BUILD=${TAVLO_BENCH_BUILD:-$ROOT/build/bench}
ROUNDS=${TAVLO_BENCH_ROUNDS:-9}
PORTAL_PORT=${TAVLO_BENCH_PORTAL_PORT:-18088}
PORTAL_PID=

bench_build() {  # $@ targets; the start page is the demo portal on PORTAL_PORT
  "$ROOT/scripts/bootstrap"
  echo "== build (x86_64: this machine runs 64-bit Wine only)"
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" -DTAVLO_BUILD_TESTS=OFF -DTAVLO_BUILD_BENCH=ON \
    -DTAVLO_PORTAL_HOST="127.0.0.1:$PORTAL_PORT" >/dev/null
  cmake --build "$BUILD" -j "$(nproc)" --target "$@" >/dev/null
}

bench_cleanup() {
  if [ -n "$PORTAL_PID" ]; then kill "$PORTAL_PID" 2>/dev/null || true; fi
  stop_wine
}

bench_start() {  # [portal]: a quiet Wine under Xvfb, and the demo portal when asked
  trap bench_cleanup EXIT
  if [ "${1:-}" = portal ]; then
    python3 "$ROOT/portal/serve.py" --port "$PORTAL_PORT" --lifetime 3600 </dev/null >/dev/null 2>&1 &
    PORTAL_PID=$!
    for _ in $(seq 50); do curl -sf -o /dev/null "http://127.0.0.1:$PORTAL_PORT/index.php/PC/" && break; sleep 0.1; done
  fi
  start_wine "$BUILD"
  export TAVLO_BENCH_WINEPREFIX="$WINEPREFIX"  # whose processes' CPU time the programs add up
}

# On a virtual machine the host's other guests take CPU time too ("steal" in /proc/stat), and a run
# they disturb scatters far more than a quiet one: the line after the run says their share of it.
STEAL_BEFORE=
cpu_ticks() { awk '/^cpu / { t = 0; for (i = 2; i <= NF; i++) t += $i; print $9, t }' /proc/stat; }

load_line() {  # $1 when
  local line steal total
  line="load $1: $(cut -d' ' -f1-3 /proc/loadavg) (1/5/15 min averages of runnable tasks) on $(nproc) cores"
  if [ "$1" = before ]; then
    STEAL_BEFORE=$(cpu_ticks)
  elif [ -n "$STEAL_BEFORE" ]; then
    read -r steal total < <(cpu_ticks)
    line+=$(awk -v s="$steal" -v t="$total" -v b="$STEAL_BEFORE" 'BEGIN { split(b, o, " ")
      printf "; host took %.1f %% of the CPU time meanwhile (steal)", (t > o[2] ? 100 * (s - o[1]) / (t - o[2]) : 0) }')
  fi
  echo "$line"
}

# A Unix path in Wine's form for paths outside every drive (the prefixes have no drive for the
# host's root).
win_path() { echo "\\\\?\\unix${1//\//\\}"; }
