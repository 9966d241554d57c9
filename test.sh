#!/usr/bin/env bash
# Builds and runs every test: the portable core natively with clang, then the
# Windows build under Wine (one Xvfb, one wineserver and one prefix for the
# whole run). The Windows ctest runs last so its summary ends the output.
set -uo pipefail
cd "$(dirname "$0")"

bash cmake/deps.sh || exit 1

native=0
{ cmake --preset native && cmake --build --preset native -j2 && ctest --preset native -j2; } || native=1
[ "$native" -eq 0 ] || echo "test.sh: the native build or its tests failed; going on with the Windows build" >&2

win=0
{ cmake --preset win && cmake --build --preset win -j2 && ctest --preset win -j2; } || win=1

exit $((native | win))
