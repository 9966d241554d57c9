#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine and prints each one's figures and
# its ratio against the baseline measured in the same run:  ./bench.sh
# They assert nothing, so ./test.sh leaves them out.
set -uo pipefail
cd "$(dirname "$0")"

bash cmake/deps.sh || exit 1
cmake --preset win >/dev/null && cmake --build --preset win -j2 && ctest --preset bench
