# Shared by scripts/test and scripts/run: configure and build, and a quiet Wine under Xvfb.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# The shipped 32-bit program, laid out like an installed copy in build/bin.
BUILD_I686=${TAVLO_BUILD_I686:-$ROOT/build}
# The same sources for 64-bit Windows: what the tests and the local run execute, since this
# machine cannot run 32-bit code (and so no 32-bit Wine).
BUILD_X64=${TAVLO_BUILD:-$ROOT/build/x64}

configure_and_build() {  # $1 build dir, $2 toolchain file, $3... extra cmake args
  local dir=$1 toolchain=$2
  shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" "$@" >/dev/null
  fi
  # TAVLO_TARGETS="a b" builds only those targets (handy while other areas are mid-change).
  # shellcheck disable=SC2086
  cmake --build "$dir" -j "$(nproc)" ${TAVLO_TARGETS:+--target $TAVLO_TARGETS}
}

wine_env() {  # $1 build dir whose Wine prefix is used
  export WINEPREFIX=$1/wineprefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINE=/usr/bin/wine
}

start_xvfb() {  # sets DISPLAY to a fresh Xvfb of our own; XVFB_PID for stop_wine
  local n=90 try
  for try in $(seq 20); do
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    # fd 9 is the build-folder lock of the calling script: servers must not keep it.
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
    XVFB_PID=$!
    # Another run may take the same free number at the same moment: only the server whose process
    # id the lock file holds has the display, and the other run must not go on with it.
    for _ in $(seq 50); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      if [ -e /tmp/.X11-unix/X$n ] && [ "$(tr -d ' \n' </tmp/.X$n-lock 2>/dev/null)" = "$XVFB_PID" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    n=$((n + 1))
  done
  echo "Xvfb did not start" >&2
  return 1
}

# A prefix of our own, made quietly once: no Mono or Gecko prompts, no crash dialogs (a crash
# prints its backtrace and exits), and a CJK font linked so that Chinese captions render.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.tavlo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    $WINE wineboot -i </dev/null >/dev/null 2>&1 9>&-
    $WINE reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
    # Without a window manager, managed windows make Wine wait about 2 s at every hide or destroy.
    $WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    local font
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
      $WINE reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.tavlo-ready"
  fi
}

# The prefix's drives. Z:, the host's root, is taken away, so that nothing the program picks by
# itself lies outside the project: D: is a folder inside the build folder, and so the drive of
# the default download folder (the fixed drive other than C: with the most free space). P: is
# the project's folder (and Q: the build folder when it lies elsewhere) for the paths the tests
# and scripts hand to Wine; both are network drives, which that rule never picks.
map_drives() {  # $1 build dir
  local build=$1 dev=$WINEPREFIX/dosdevices want
  want="d:$build/downloads p:$ROOT"
  case "$build/" in "$ROOT"/*) ;; *) want="$want q:$build" ;; esac
  [ "$(cat "$WINEPREFIX/.tavlo-drives" 2>/dev/null)" != "$want" ] || return 0
  # Wine reads the drive table when it starts: none of it may be running on the prefix.
  wineserver -k >/dev/null 2>&1 || true
  mkdir -p "$build/downloads"
  rm -f "$dev/z:" "$dev/d:" "$dev/p:" "$dev/q:"
  ln -s "$build/downloads" "$dev/d:"
  ln -s "$ROOT" "$dev/p:"
  case "$want" in *" q:"*) ln -s "$build" "$dev/q:" ;; esac
  local letter
  for letter in p: q:; do
    $WINE reg add 'HKLM\Software\Wine\Drives' /v "$letter" /t REG_SZ /d network /f </dev/null >/dev/null 2>&1
  done
  # A download folder stored before may be on a drive that is gone now.
  rm -f "$WINEPREFIX/drive_c/ProgramData/tavlo/setting.ini"
  wineserver -w
  echo "$want" >"$WINEPREFIX/.tavlo-drives"
}

# The host folder the client saves downloads in: the stored one, or the default on D:.
download_folder() {
  local ini=$WINEPREFIX/drive_c/ProgramData/tavlo/setting.ini value=
  if [ -f "$ini" ]; then
    # The client writes the file as UTF-16; an older one may be 8-bit.
    if [ "$(od -An -tx1 -N2 "$ini" | tr -d ' ')" = fffe ]; then
      value=$(iconv -f UTF-16 -t UTF-8 "$ini" | tr -d '\r' | sed -n 's/^downpath=//p')
    else
      value=$(tr -d '\r' <"$ini" | sed -n 's/^downpath=//p')
    fi
  fi
  [ -n "$value" ] || value='D:\Tavlo电影下载目录\'
  local unix
  unix=$($WINE winepath -u "$value" </dev/null 2>/dev/null 9>&-) || unix=
  if [ -n "$unix" ]; then readlink -m "$unix"; else echo "$value"; fi
}

# Start the wineserver before anything whose output is captured: a server started from inside
# ctest inherits its pipes and every test then waits for it.
start_wine() {  # $1 build dir
  wine_env "$1"
  [ -n "${DISPLAY:-}" ] && [ -z "${TAVLO_OWN_XVFB:-}" ] || start_xvfb
  prepare_prefix
  map_drives "$1"
  wineserver -p </dev/null >/dev/null 2>&1 9>&-
  $WINE cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
