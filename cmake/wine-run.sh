#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's environment; CMake uses it
# as CMAKE_CROSSCOMPILING_EMULATOR. The program's exit code is Wine's.
source "$(dirname "${BASH_SOURCE[0]}")/wine-vars.sh"
exec "$RUXA_WINE" "$@"
