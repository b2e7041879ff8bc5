#!/usr/bin/env bash
# The Windows stage: the program and its tests cross-built for Windows
# (scripts/package-windows.sh, which also makes the ZIP and the installer)
# and run under Wine:
#   1. the GoogleTest programs (calculation, report, print layer) through
#      ctest;
#   2. the Qt Test programs on Qt's windows platform in Xvfb with openbox:
#      the window tests, the random session, and the desktop test with the
#      real message boxes, Elevator ID box and Windows' Print dialog;
#      the first worked example printed there, Print Data and Print Form,
#      onto a CUPS queue that Wine lists, and the pages read back;
#   3. the installer, silently: the program started from the path its
#      Start-menu entry names, then uninstalled, leaving nothing behind;
#   4. the ZIP's program unpacked and started without the build's DLL path:
#      Print Data by its keys onto the CUPS queue, and screenshots at 100%
#      and 150% (build/screenshots/).
# Ends with a line counting the checks, as test.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/desktop.sh
source scripts/windows-deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"

# The Linux build of stage 1, when there is one, draws the icon.
[ -f build/CMakeCache.txt ] && export SBC_HOST_BUILD=build
SBC_WINDOWS_TESTS=1 bash scripts/package-windows.sh
ensure_windows_qt
release=$PWD/build-windows/release
screenshots=$PWD/build/screenshots
mkdir -p "$screenshots"

tmp=$(mktemp -d)
chmod 755 "$tmp" # CUPS' filters run as user lp
cupsd_pid=''
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -z "$cupsd_pid" ] || kill "$cupsd_pid" 2>/dev/null || true
  stop_servers
  rm -rf "$tmp"
}
trap cleanup EXIT

# Counts a check of this script's own: "check NAME COMMAND..." passes when
# the command does.
check() {
  local name="$1"; shift
  if "$@"; then
    echo "PASS: $name"; qtest_passed=$((qtest_passed + 1))
  else
    echo "FAIL: $name"; qtest_failed=$((qtest_failed + 1))
  fi
}

# A CUPS daemon of the stage's own (folder, socket and logs in $tmp), with
# one queue, Keeper, the default printer. CUPS keeps each job's document as
# the program sent it (PreserveJobFiles), before any filter.
cups=$tmp/cups
mkdir -p "$cups"/{spool,cache,state,tmp}
chmod 1777 "$cups/tmp"
cat >"$cups/cups-files.conf" <<CONF
ServerRoot $cups
RequestRoot $cups/spool
TempDir $cups/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/access_log
ErrorLog $cups/error_log
PageLog $cups/page_log
SystemGroup root
FileDevice Yes
CONF
cat >"$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
Browsing No
WebInterface No
PreserveJobFiles Yes
ErrorPolicy abort-job
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
export CUPS_SERVER=$cups/cups.sock
unset LPDEST PRINTER
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" >"$cups/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
/usr/sbin/lpadmin -p Keeper -E -v file:///dev/null -P tests/report/pass_through.ppd
/usr/sbin/lpadmin -d Keeper

start_x11_desktop "$tmp"

# A new Wine prefix for the stage, without the .NET and browser engines
# Wine would offer to install, and without Wine's copying of Start-menu
# entries into this machine's own menus (the entries are checked in Wine's
# Start menu, and the host's would outlive the uninstall). Wine's programs
# find Qt's and MinGW's DLLs through WINEPATH (the test programs run from
# the build folder).
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
WINEPATH="$(windows_path "$WINDOWS_QT/bin");$(windows_path /usr/x86_64-w64-mingw32/lib)"
WINEPATH+=";$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
export WINEPATH
wineboot --init >/dev/null 2>&1
wineserver -w

# Qt Test programs under Wine write their results to a file: their standard
# output stays empty there.
wine_qtest() {
  local out=$tmp/qtest.txt rc=0
  rm -f "$out"
  wine "$1" -o "$(windows_path "$out"),txt" >/dev/null 2>&1 || rc=$?
  grep -v 'EnableNonClientDpiScaling() failed' "$out" 2>/dev/null # Wine lacks it; Qt carries on
  return "$rc"
}

echo "--- GoogleTest programs under Wine: calculation, report, print layer (ctest)"
log=$release/ctest.log
(cd "$release" && ctest --output-on-failure --no-tests=error -j2 -E '^(app|desktop)_') | tee "$log" || true
counts=$(sed -n 's/^.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\)$/\1 \2/p' "$log")
[ -n "$counts" ] || counts="1 1"
ctest_skipped=$(grep -c '(Skipped)$' "$log" || true)
qtest_passed=$((qtest_passed + ${counts#* } - ${counts% *} - ctest_skipped))
qtest_failed=$((qtest_failed + ${counts% *}))
qtest_skipped=$((qtest_skipped + ctest_skipped))

echo "--- Window tests on Qt's windows platform under Wine (Xvfb $DISPLAY, openbox)"
# The desktop test prints the first worked example for real where
# SBC_PRINT_CHECK names a folder, and leaves the report's lines there.
mkdir -p "$tmp/print"
export SBC_SCREENSHOTS=$screenshots SBC_PRINT_CHECK
SBC_PRINT_CHECK=$(windows_path "$tmp/print")
for test in "$release"/desktop_window_test.exe "$release"/window_*_test.exe; do
  run_qtest wine_qtest "$test"
done
unset SBC_PRINT_CHECK
# The random session, shorter: each event costs about ten times what it does
# on Linux, and the Linux stages play the full session.
SBC_RANDOM_EVENTS=2000 run_qtest wine_qtest "$release"/random_session_test.exe

# What the printer received. Wine's PostScript driver draws the text as
# glyphs of fonts it embeds, with no text a tool can extract, so the pages
# are rendered at 400 dpi and read by OCR. Seen: how many pages each job
# has, against the pages the report takes at the printer's page size, and
# every line of the report on them, in order, each digit, point and sign as
# printed. OCR reads Liberation Mono's "l" as "L" and splits "!!" and some
# numbers at a point, so letters are compared without case and blanks not
# at all: the columns are not seen here (the Linux print test checks them
# on the program's own PDF), nor faces, sizes, or anything of the form's
# image but its page count.
pages_of() { grep -c '^%%Page: ' "$1"; }
comparable() { sed -E 's/[[:space:]]+//g' | tr '[:upper:]' '[:lower:]' | grep -v '^$'; }
read_back() {
  local ps="$1" page
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r400 -sOutputFile="$tmp/page-%d.png" "$ps"
  for page in $(seq "$(pages_of "$ps")"); do
    tesseract "$tmp/page-$page.png" - --psm 6 2>/dev/null
  done | comparable
}
for _ in $(seq 100); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.2; done
shopt -s nullglob
jobs=("$cups"/spool/d*-001)
check "two print jobs reached the CUPS queue from Wine" [ ${#jobs[@]} -eq 2 ]
if [ ${#jobs[@]} -eq 2 ]; then
  comparable <"$tmp/print/report.txt" >"$tmp/expected.txt"
  read_back "${jobs[0]}" >"$tmp/read.txt"
  check "Print Data: every line of the report read back from its pages" \
    diff "$tmp/expected.txt" "$tmp/read.txt"
  expected_pages=$(cat "$tmp/print/report-pages.txt")
  check "Print Data: $expected_pages page(s) at the printer's page size" [ "$(pages_of "${jobs[0]}")" -eq "$expected_pages" ]
  check "Print Form: one page" [ "$(pages_of "${jobs[1]}")" -eq 1 ]
fi

# A window whose title matches $1 (default: the program's), once Wine has mapped it.
wait_window() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "${1:-Spring Buffer Reaction Calculator}" 2>/dev/null | head -n1) &&
      [ -n "$id" ] && echo "$id" && return 0
    sleep 0.2
  done
  return 1
}

# Print Data in the program's window $1 as a user gives it: its shortcut,
# then Return in the Elevator ID box and in Windows' Print dialog. True once
# CUPS holds job number $2.
print_data_by_keys() {
  local box
  xdotool windowactivate --sync "$1" key ctrl+d
  box=$(wait_window '^Elevator ID$') && xdotool windowactivate --sync "$box" key Return
  box=$(wait_window '^Print$') && xdotool windowactivate --sync "$box" key Return
  for _ in $(seq 100); do [ -s "$cups/spool/d0000$2-001" ] && return 0; sleep 0.2; done
  return 1
}

echo "--- The installer, silently"
installer=("$release"/spring-buffer-calculator-*-win64.exe)
find "$WINEPREFIX/drive_c" | sort >"$tmp/before.txt"
wine "${installer[0]}" /S
wineserver -w
link=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Spring Buffer Reaction Calculator.lnk' | head -n1)
check "Start-menu entry \"Spring Buffer Reaction Calculator\"" [ -n "$link" ]
target=$(strings "$link" 2>/dev/null | grep -i -m1 '^[A-Z]:\\.*\.exe$' || true)
check "the Start-menu entry names the installed program ($target)" [ -n "$target" ]
if [ -n "$target" ]; then
  (wine "$target" >/dev/null 2>&1 &)
  check "the installed program opens its window" wait_window
  wineserver -k; wineserver -w
fi
uninstaller=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Spring Buffer Reaction Calculator' \
  /v UninstallString 2>/dev/null | sed -n 's/.*REG_SZ[[:space:]]*//p' | tr -d '\r"')
check "an uninstaller listed under installed programs" [ -n "$uninstaller" ]
[ -z "$uninstaller" ] || wine "$uninstaller" /S
wineserver -w
sleep 2; wineserver -w # the uninstaller runs on from a copy of itself
find "$WINEPREFIX/drive_c" | sort >"$tmp/after.txt"
left=$( { comm -13 "$tmp/before.txt" "$tmp/after.txt" | grep -i 'spring' || true; \
          grep -i -h 'spring buffer' "$WINEPREFIX"/*.reg || true; } )
check "uninstalled, nothing left behind" [ -z "$left" ]
[ -z "$left" ] || echo "$left"

echo "--- The ZIP's program: screenshots at 100% and 150%, Print Data by keys"
unzip -q -o "$release"/spring-buffer-calculator-*-win64.zip -d "$tmp/zip"
program=$(find "$tmp/zip" -name spring-buffer-calculator.exe)
for scale in 100:96 150:144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${scale#*:}" /f >/dev/null
  wineserver -k; wineserver -w
  (env -u WINEPATH wine "$program" >/dev/null 2>&1 &)
  if id=$(wait_window); then
    sleep 2
    import -frame -window "$id" "$screenshots/wine-${scale%%:*}.png"
    check "the ZIP's program at ${scale%%:*}%: screenshot" [ -s "$screenshots/wine-${scale%%:*}.png" ]
    [ "${scale%%:*}" != 100 ] || check "the ZIP's program prints Print Data through CUPS" print_data_by_keys "$id" 3
  else
    check "the ZIP's program at ${scale%%:*}% opens its window" false
  fi
  wineserver -k; wineserver -w
done

qtest_total
