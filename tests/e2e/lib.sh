# Sourced by every end-to-end test. ctest runs each test inside the WineEnv
# fixture (cmake/WineTests.cmake) as
#   bash <test>.sh <path of ruxa.exe> <path of ruxa_driver.exe>
# The test gets a program folder of its own holding a copy of ruxa.exe, runs
# ruxa.exe there under Wine and acts on it through the driver. The folder is
# deleted when the test passes and kept, with its path printed, when it fails.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: bash $0 <ruxa.exe> <ruxa_driver.exe>" >&2; exit 2; }
RUXA_EXE=$(realpath "$1")
DRIVER_EXE=$(realpath "$2")
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_HERE/../../cmake/wine-vars.sh"

mkdir -p "$RUXA_TEST_ENV"
E2E_DIR=$(mktemp -d "$RUXA_TEST_ENV/e2e-$(basename "$0" .sh).XXXXXX")
PROGRAM_DIR=$E2E_DIR/program
mkdir "$PROGRAM_DIR"
cp "$RUXA_EXE" "$PROGRAM_DIR/ruxa.exe"
RUXA_INI=$PROGRAM_DIR/ruxa.ini
RUXA_PID=
RUXA_EXIT=
E2E_CLEANUPS=()

# Commands run when the test ends, passed or failed, last registered first.
on_cleanup() { E2E_CLEANUPS=("$*" "${E2E_CLEANUPS[@]}"); }

e2e_finish() {
  local rc=$?
  # A ruxa.exe still running would hold its window and hot keys into the
  # next test.
  if [ -n "$RUXA_PID" ] && kill -0 "$RUXA_PID" 2>/dev/null; then
    kill "$RUXA_PID" 2>/dev/null || true
    wait "$RUXA_PID" 2>/dev/null || true
  fi
  local c
  for c in "${E2E_CLEANUPS[@]}"; do eval "$c" || rc=1; done
  if [ "$rc" -eq 0 ]; then
    rm -rf "$E2E_DIR"
  else
    echo "kept for inspection: $E2E_DIR" >&2
  fi
  exit "$rc"
}
trap e2e_finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

expect_eq() { # expect_eq <what> <expected> <actual>
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# Runs the driver (see tests/e2e/driver/main.cpp) and prints its result lines.
driver() { "$RUXA_WINE" "$DRIVER_EXE" "$@" </dev/null; }

# Starts ruxa.exe from its program folder in the background; its output goes
# to ruxa.log in the test folder.
start_ruxa() {
  (cd "$PROGRAM_DIR" && exec "$RUXA_WINE" "$PROGRAM_DIR/ruxa.exe" "$@") \
    </dev/null >>"$E2E_DIR/ruxa.log" 2>&1 &
  RUXA_PID=$!
}

# Waits for ruxa.exe to end and sets RUXA_EXIT to its exit code. The limit
# only keeps a hung program from stalling the run; it is far above any
# normal exit.
wait_ruxa_exit() {
  local i
  for i in $(seq 600); do
    kill -0 "$RUXA_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$RUXA_PID" 2>/dev/null && fail "ruxa.exe did not end"
  RUXA_EXIT=0
  wait "$RUXA_PID" || RUXA_EXIT=$?
  RUXA_PID=
}

# The system default CUPS queue, which Wine reports as the default printer.
default_printer() { LC_ALL=C lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p'; }

# ruxa.ini is written in code page 932 with CRLF line ends; this prints it as
# UTF-8 lines after checking every line ends in CRLF.
ini_text() {
  [ -f "$RUXA_INI" ] || fail "ruxa.ini was not written"
  local lines crlf
  lines=$(tr -cd '\n' <"$RUXA_INI" | wc -c)
  crlf=$(grep -c $'\r$' "$RUXA_INI" || true)
  [ "$lines" -gt 0 ] && [ "$lines" -eq "$crlf" ] && [ "$(tail -c 2 "$RUXA_INI" | od -An -tx1 | tr -d ' ')" = 0d0a ] ||
    fail "ruxa.ini does not end every line with CRLF"
  iconv -f CP932 -t UTF-8 "$RUXA_INI" | tr -d '\r'
}

# The value of key in ruxa.ini's [section] (first match). awk reads to the
# end: leaving early would fail the pipeline with SIGPIPE now and then.
ini_value() { # ini_value <section> <key>
  ini_text | awk -v s="[$1]" -v k="$2" '
    /^\[/ { in_s = (tolower($0) == tolower(s)); next }
    in_s && !found && index($0, k "=") == 1 { print substr($0, length(k) + 2); found = 1 }'
}

# Compares ruxa.ini with a template from tests/e2e/expected, whose @NAME@
# marks are replaced by the values given as NAME=value.
expect_ini() { # expect_ini <template> [NAME=value]...
  local name=$1 expected line pair
  shift
  expected=$(while IFS= read -r line; do
    for pair in "$@"; do line=${line//@${pair%%=*}@/${pair#*=}}; done
    printf '%s\n' "$line"
  done <"$E2E_HERE/expected/$name")
  diff -u --label expected --label ruxa.ini <(printf '%s\n' "$expected") <(ini_text) ||
    fail "ruxa.ini differs from $name"
}
