#!/usr/bin/env bash
# Fails when product or stand-in code releases a system handle by hand instead of through the
# handle family (rtl/Handles.h), whose owners close once and keep the last error.
#
# Scanned: every source of the product and of the stand-ins (platform/). Not scanned: tests/ and
# bench/, whose harnesses close what they opened on purpose (a peer's end, a process they
# started), and the files listed below.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

calls='CloseHandle|FreeLibrary|DeleteObject|DeleteDC|ReleaseDC|closesocket|WinHttpCloseHandle|UnmapViewOfFile|LocalFree|DestroyIcon|CloseClipboard|GlobalUnlock'
exempt=(
  rtl/Handles.h  # the family itself
)

found=$(grep -rnwE "$calls" --include='*.h' --include='*.cpp' --include='*.c' \
          app bridge skin vorad toolkit rtl platform | grep -vF "${exempt[@]/#/-e}" || true)
if [ -n "$found" ]; then
  echo "Handles released by hand; hold them in an owner of rtl/Handles.h instead:"
  echo "$found"
  exit 1
fi
echo "No handle is released outside rtl/Handles.h."
