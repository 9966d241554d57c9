#!/usr/bin/env bash
# The printer ruxa prints to on Linux: a CUPS queue on the cups-pdf backend,
# whose PDFs land in the folder named by "Out" in /etc/cups/cups-pdf.conf.
#
#   cups-pdf.sh ensure      start cupsd if needed; create and make default a
#                           queue "PDF" when there is no queue at all
#   cups-pdf.sh remove-all  set every queue aside (for "no printer installed")
#   cups-pdf.sh restore     bring back the queues remove-all set aside
#   cups-pdf.sh outdir      print the folder this user's PDFs land in
#   cups-pdf.sh hold NAME   create a queue NAME that holds every job, so that
#                           what is sent there reaches neither paper nor PDF
#   cups-pdf.sh drop NAME   cancel NAME's jobs and delete it
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-vars.sh"
saved=$RUXA_TEST_ENV/cups-saved
queue=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# CUPS messages are translated; parse them in the C locale.
c_lpstat() { LC_ALL=C lpstat "$@" 2>/dev/null || true; }
queues() { c_lpstat -v | sed -n 's/^device for \([^:]*\): .*/\1/p'; }

# lpadmin warns that PPD files are deprecated on every call; show its output
# only when it fails.
admin() {
  local out
  out=$(lpadmin "$@" 2>&1) || { echo "$out" >&2; return 1; }
}

start_cupsd() {
  c_lpstat -r | grep -q 'is running' && return
  cupsd </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do
    c_lpstat -r | grep -q 'is running' && return
    sleep 0.1
  done
  echo "cups-pdf: cupsd did not start" >&2
  exit 1
}

restore() {
  [ -d "$saved" ] || return 0
  local f name uri
  for f in "$saved"/*.uri; do
    [ -e "$f" ] || continue
    name=$(basename "$f" .uri)
    uri=$(<"$f")
    if [ -f "$saved/$name.ppd" ]; then
      admin -p "$name" -v "$uri" -P "$saved/$name.ppd" -E
    else
      admin -p "$name" -v "$uri" -E
    fi
  done
  [ -s "$saved/default" ] && admin -d "$(<"$saved/default")"
  rm -rf "$saved"
}

remove_all() {
  # A set-aside list that is already there belongs to a run that never
  # restored it; it is the real one, so it is kept.
  if [ ! -d "$saved" ]; then
    mkdir -p "$saved.tmp"
    local name uri
    while read -r name uri; do
      echo "$uri" >"$saved.tmp/$name.uri"
      [ -f "/etc/cups/ppd/$name.ppd" ] && cp "/etc/cups/ppd/$name.ppd" "$saved.tmp/"
    done < <(c_lpstat -v | sed -n 's/^device for \([^:]*\): \(.*\)/\1 \2/p')
    c_lpstat -d | sed -n 's/^system default destination: //p' >"$saved.tmp/default"
    mv "$saved.tmp" "$saved"
  fi
  local q
  for q in $(queues); do admin -x "$q"; done
}

# A test killed before its clean-up leaves its queue (ruxa-e2e-PID) behind;
# one whose process is gone is deleted.
drop_orphan_test_queues() {
  local q
  for q in $(queues | grep -x 'ruxa-e2e-[0-9]*'); do
    kill -0 "${q#ruxa-e2e-}" 2>/dev/null || admin -x "$q"
  done
}

ensure() {
  start_cupsd
  restore
  drop_orphan_test_queues
  if [ -z "$(queues)" ]; then
    admin -p "$queue" -v cups-pdf:/ -P "$ppd" -E
    admin -d "$queue"
    echo "cups-pdf: created the default queue $queue"
  fi
  if queues | grep -qx "$queue"; then
    # A failed job must not leave the queue stopped for later prints, and a
    # job left from an earlier run must not drop a stray PDF into this one.
    admin -p "$queue" -o printer-error-policy=abort-job
    cancel -a "$queue" 2>/dev/null || true
    cupsenable "$queue"
    cupsaccept "$queue"
  fi
}

# cups-pdf writes to its "Out" folder with ${HOME} and ${USER} standing for
# the submitting user's; without the setting it uses its spool folder.
outdir() {
  local user home out spool='/var/spool/cups-pdf/${USER}'
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  out=${out:-$spool}
  out=${out//\$\{HOME\}/$home}
  echo "${out//\$\{USER\}/$user}"
}

case "${1:-}" in
  ensure) ensure ;;
  hold) start_cupsd; admin -p "$2" -v cups-pdf:/ -P "$ppd" -o job-hold-until-default=indefinite -E ;;
  drop) cancel -a "$2" 2>/dev/null || true; admin -x "$2" ;;
  remove-all) start_cupsd; remove_all ;;
  restore) start_cupsd; restore ;;
  outdir) outdir ;;
  *) echo "usage: $0 ensure | remove-all | restore | outdir | hold NAME | drop NAME" >&2; exit 2 ;;
esac
