#!/usr/bin/env bash
# Runs a command with a CUPS daemon of its own (configuration from
# tests/cups/, folder, spool and socket in a temporary folder; a system cupsd
# is left alone) and one queue, Keeper, the default printer, which keeps
# every job's document in the spool. Exports CUPS_SERVER and SBC_CUPS_SPOOL;
# ends the daemon by process id; exits with the command's status, or 77 when
# cupsd does not start. SBC_KEEP_CUPS_DIR=1 keeps the folder and its logs.
#   with-cups.sh COMMAND [ARGUMENT...]
set -uo pipefail
source "$(dirname "$0")/deps.sh"
here=$(cd "$(dirname "$0")/.." && pwd)
root=$(mktemp -d)
chmod 755 "$root" # the filters run as user lp
mkdir -p "$root"/{spool,cache,state,tmp}
chmod 1777 "$root/tmp"
for conf in cupsd cups-files; do
  sed "s|@ROOT@|$root|g" "$here/tests/cups/$conf.conf.in" >"$root/$conf.conf"
done
/usr/sbin/cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$root/cupsd.out" 2>&1 &
cupsd_pid=$!
trap 'kill $cupsd_pid 2>/dev/null; wait $cupsd_pid 2>/dev/null; if [ -n "${SBC_KEEP_CUPS_DIR:-}" ]; then echo "with-cups: kept $root" >&2; else rm -rf "$root"; fi' EXIT
export CUPS_SERVER=$root/cups.sock SBC_CUPS_SPOOL=$root/spool
unset LPDEST PRINTER
running() { lpstat -r | grep -q "is running"; }
wait_for 15 running \
  || { cat "$root/error_log" "$root/cupsd.out"; echo "with-cups: cupsd did not start" >&2; exit 77; }
/usr/sbin/lpadmin -p Keeper -E -v file:///dev/null -P "$here/tests/report/pass_through.ppd" 2>/dev/null
/usr/sbin/lpadmin -d Keeper
"$@"
