#!/usr/bin/env bash
# Builds ruxa.exe and runs it under Wine in the foreground:  ./run.sh [ARGS]
# It uses your $DISPLAY when set and a private Xvfb otherwise, prints through
# the CUPS PDF queue, and tells where the PDFs of the session landed.
set -euo pipefail
cd "$(dirname "$0")"

bash cmake/deps.sh
cmake --preset win >/dev/null
cmake --build --preset win -j2

# Its own state folder and Wine prefix: starting and stopping this run's Wine
# server must not end a test run's, which may be going on at the same time.
export RUXA_TEST_ENV=$PWD/build/win/run-env
export RUXA_WINEPREFIX=$PWD/build/win/run-prefix
trap 'bash cmake/wine-env.sh stop' EXIT
no_display=
[ -n "${DISPLAY:-}" ] || no_display=1
bash cmake/wine-env.sh start --use-display
if [ -n "$no_display" ]; then
  cat <<'NOTE'
run.sh: there is no display (DISPLAY is not set), so ruxa runs on an empty
virtual screen of its own (Xvfb). Screen captures (/d, /r, the desktop and
region items) show nothing but black there, and so does their printed page.
To capture a real screen, run it from a desktop session, or name the display:
  DISPLAY=:0 ./run.sh /d
NOTE
fi

pdf_dir=$(bash cmake/cups-pdf.sh outdir)
pdfs() { [ -d "$pdf_dir" ] && find "$pdf_dir" -maxdepth 1 -name '*.pdf' | sort; }
before=$(pdfs || true)

rc=0
cmake/wine-run.sh build/win/ruxa.exe "$@" || rc=$?
echo "ruxa.exe ended with exit code $rc"

# cups-pdf writes a PDF a moment after the job is handed over; wait for the
# queue to drain (at most a minute) before looking.
for _ in $(seq 600); do
  [ -z "$(lpstat -o 2>/dev/null)" ] && break
  sleep 0.1
done
new=$(comm -13 <(printf '%s\n' "$before") <(pdfs || true) | sed '/^$/d')
if [ -n "$new" ]; then
  echo "new PDF output:"
  sed 's/^/  /' <<<"$new"
else
  echo "no new PDF in $pdf_dir"
fi
exit "$rc"
