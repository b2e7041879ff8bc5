#!/usr/bin/env bash
# The Windows stage's checks under Wine, one for each ctest test in
# CMakeLists.txt beside it, which gives the X display (with-x11.sh) and
# the CUPS queue (with-cups.sh); the test preset gives the Wine prefix.
#   wine-checks.sh qtest PROGRAM          a Qt Test program's results
#   wine-checks.sh print PROGRAM          the worked example printed, read back
#   wine-checks.sh nsis INSTALLER         installed, started, uninstalled
#   wine-checks.sh zip ZIP SCREENSHOTS    the ZIP's program: screenshots, Print Data
#   wine-checks.sh msi-tables MSI VERSION UPGRADE_CODE
#   wine-checks.sh msi MSI CPACK_CONFIG   installed, upgraded, removed
#   wine-checks.sh signed CPACK_CONFIG    built signed, verified, installed
set -euo pipefail
source "$(dirname "$0")/../../scripts/deps.sh" # wait_for
product=$SBC_PRODUCT_NAME # the test's environment
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
tmp=$(mktemp -d)
pid='' at_exit=''
# Ends the program this script started, by its process id, then waits for
# the prefix's own processes (Wine's desktop) to end.
stop() {
  [ -z "$pid" ] || { kill "$pid"; wait "$pid" || [ $? -eq 143 ]; pid=''; } # 143: ended by that signal
  timeout 300 wineserver -w
}
trap 'stop; eval "$at_exit"; rm -rf "$tmp"' EXIT
# The packages' programs find their DLLs beside them, not on the build's path.
case $1 in qtest | print) ;; *) unset WINEPATH ;; esac
fail() { echo "FAIL: $*" >&2; exit 1; }
# Wine's programs, here installers, go on after wine returns: waits for all.
wine_done() { local rc=0; wine "$@" || rc=$?; timeout 300 wineserver -w; return "$rc"; }
zpath() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }

# The id of a visible window whose title matches $1, once Wine has mapped it.
window() { wait_for 60 xdotool search --onlyvisible --name "$1" && xdotool search --onlyvisible --name "$1" | head -n1; }

# Qt Test programs under Wine write their results only to a file.
qtest() { wine "$1" -o "$(zpath "$tmp/results.txt"),txt" && rc=0 || rc=$?; cat "$tmp/results.txt"; return "$rc"; }

# The first worked example's Print Data and Print Form, as the desktop test
# prints them through Windows' Print dialog onto the Keeper queue. Wine's
# PostScript driver draws text as glyphs, so the pages are rendered at 400 dpi,
# the text smoothed (unsmoothed, Debian 13's Tesseract reads "example" as "examplle"),
# and read by OCR: each line of the report, in order, digits and signs as
# printed, letters without case and blanks not at all (OCR reads Liberation
# Mono's "l" as "L"; the Linux print test checks the columns); the pages
# counted against the report's pages at the printer's page size.
completed_jobs() { [ "$(lpstat -W completed -o Keeper | wc -l)" -ge "$1" ]; }
pages_of() { grep -c '^%%Page: ' "$1"; }
comparable() { sed -E 's/[[:space:]]+//g' | tr '[:upper:]' '[:lower:]' | sed '/^$/d'; }
read_back() {
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r400 -dTextAlphaBits=4 -sOutputFile="$tmp/page-%d.png" "$1"
  for page in $(seq "$(pages_of "$1")"); do tesseract "$tmp/page-$page.png" - --psm 6 2>/dev/null; done | comparable
}
print() {
  mkdir "$tmp/print"
  SBC_PRINT_CHECK=$(zpath "$tmp/print") qtest "$1"
  wait_for 120 completed_jobs 2 ||
    fail "two print jobs did not complete on the queue: $(lpstat -o Keeper)"
  # Each job's document, kept in the spool under its job number.
  mapfile -t docs < <(lpstat -W completed -o Keeper | sed -E 's/^Keeper-([0-9]+) .*/\1/' | sort -n |
    xargs printf "$SBC_CUPS_SPOOL/d%05d-001\n")
  comparable <"$tmp/print/report.txt" >"$tmp/expected.txt"
  read_back "${docs[0]}" >"$tmp/read.txt"
  diff "$tmp/expected.txt" "$tmp/read.txt" || fail "Print Data: the report's lines differ from what its pages read"
  [ "$(pages_of "${docs[0]}")" -eq "$(cat "$tmp/print/report-pages.txt")" ] || fail "Print Data: $(pages_of "${docs[0]}") pages"
  [ "$(pages_of "${docs[1]}")" -eq 1 ] || fail "Print Form: $(pages_of "${docs[1]}") pages, not one"
}

# What the prefix holds of the product: files and folders naming it, Windows
# Installer's cache, registry lines naming the product or its maker.
snapshot() { { find "$WINEPREFIX/drive_c"; cat "$WINEPREFIX"/*.reg; } |
  sed -n -E '/spring buffer|spring-buffer|\/windows\/installer\//I{s/\] [0-9]+$/]/;p}' | sort >"$1"; }
nothing_left() { snapshot "$tmp/after"; diff "$tmp/before" "$tmp/after" || fail "left behind (> lines)"; }

# Starts the program from the path its Start-menu shortcut names, and waits
# for its window; sets installed to the program's folder.
opens_from_shortcut() {
  local link target
  link=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name "$product.lnk" -print -quit)
  [ -n "$link" ] || fail "no Start-menu shortcut \"$product\""
  target=$(python3 "$(dirname "$0")/lnk_target.py" "$link")
  echo "The Start-menu shortcut names $target"
  wine "$target" & pid=$!
  window "$product" >/dev/null || fail "the program started from the shortcut opened no window"
  stop
  installed=$(dirname "$(winepath -u "$target")")
}

# Signatures checked against the stage's own certificate.
verify() {
  for file; do osslsigncode verify -CAfile "$tmp/cert.pem" -in "$file" >"$tmp/v" 2>&1 || { cat "$tmp/v"; fail "$file"; }; done
  echo "Signature verified: $# file(s)"
}
programs() { find "$@" \( -iname '*.exe' -o -iname '*.dll' \); }

nsis() {
  snapshot "$tmp/before"
  wine_done "$1" /S
  opens_from_shortcut
  uninstaller=$(wine reg query "$uninstall_key\\$product" /v UninstallString | sed -n 's/.*REG_SZ *//p' | tr -d '\r"')
  if [ -f "$tmp/cert.pem" ]; then mapfile -t files < <(programs "$installed"); verify "${files[@]}"; fi
  wine_done "$uninstaller" /S # it runs on from a copy of itself
  nothing_left
}

zip() {
  unzip -q "$1" -d "$tmp/zip"
  mkdir -p "$2"
  at_exit="wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null; timeout 300 wineserver -w"
  program=$(find "$tmp/zip" -name spring-buffer-calculator.exe)
  for scale in 150 100; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((scale * 96 / 100)) /f >/dev/null
    timeout 300 wineserver -w # read as Wine starts
    wine "$program" & pid=$!
    id=$(window "$product") || fail "the ZIP's program opened no window at $scale%"
    # Drawn once two pictures in a row are alike.
    timeout 30 sh -c 'import -frame -window "$0" "$1"; until import -frame -window "$0" "$2" && compare -metric AE "$1" "$2" null: 2>/dev/null; do mv "$2" "$1"; sleep 0.2; done' \
      "$id" "$2/wine-$scale.png" "$tmp/next.png" || fail "no steady screenshot at $scale%"
    [ "$scale" = 150 ] || print_by_keys "$id"
    stop
  done
}

# Print Data as a user gives it in window $1: its shortcut, then Return in
# the Elevator ID box and in Windows' Print dialog, until the job is done.
print_by_keys() {
  xdotool windowactivate --sync "$1" key ctrl+d
  xdotool windowactivate --sync "$(window '^Elevator ID$')" key Return
  xdotool windowactivate --sync "$(window '^Print$')" key Return
  wait_for 60 completed_jobs 1 || fail "no job on the queue"
}

# What deployment tools read from the MSI. The UpgradeCode must never change.
msi-tables() {
  msiinfo export "$1" Property | tr -d '\r' >"$tmp/properties"
  local t=$'\t' want
  for want in "ProductName$t$product" "ProductVersion$t$2" "UpgradeCode$t\{$3\}" "ALLUSERS${t}1" "ARPPRODUCTICON${t}product.ico" \
    "Manufacturer$t.+" "ProductCode$t\{[0-9A-F-]{36}\}"; do
    grep -qxE "$want" "$tmp/properties" || fail "no property $want"
  done
  grep -q "^{$3}" <(msiinfo export "$1" Upgrade) || fail "no Upgrade row for the UpgradeCode"
  [ "$(stat -c %s "$1")" -le 14000000 ] || fail "larger than 14 MB"
}

property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
entries() { wine reg query "$uninstall_key" /s | tr -d '\r' | grep -c "DisplayName *REG_SZ *$product\$"; }
msi() {
  version=$(property "$1" ProductVersion)
  newer=${version%.*}.$((${version##*.} + 1))
  cpack --config "$2" -G External -D CPACK_PACKAGE_VERSION="$newer" -D CPACK_PACKAGE_FILE_NAME=newer -B "$tmp/newer" >/dev/null
  snapshot "$tmp/before"
  wine_done msiexec /i "$(zpath "$1")" /qn
  opens_from_shortcut
  wine_done msiexec /i "$(zpath "$tmp/newer/newer.msi")" /qn
  [ "$(entries)" -eq 1 ] || fail "$(entries) entries under installed programs after the upgrade to $newer"
  [ "$(find "$installed" -type f | wc -l)" -eq "$(msiinfo export "$tmp/newer/newer.msi" File | tail -n +4 | wc -l)" ] ||
    fail "files beside $newer's"
  ! wine_done msiexec /i "$(zpath "$1")" /qn || fail "the older $version installed over $newer"
  wine_done msiexec /x "$(zpath "$tmp/newer/newer.msi")" /qn
  nothing_left
}

signed() {
  openssl req -x509 -newkey rsa:3072 -nodes -days 1 -subj "/CN=Windows stage test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$tmp/key.pem" -out "$tmp/cert.pem" 2>/dev/null
  openssl pkcs12 -export -in "$tmp/cert.pem" -inkey "$tmp/key.pem" -passout pass:stage -out "$tmp/cert.p12"
  SBC_SIGN_PKCS12=$tmp/cert.p12 SBC_SIGN_PASSWORD=stage cpack --config "$1" -B "$tmp/signed" >/dev/null
  unzip -q "$tmp"/signed/*.zip -d "$tmp/zip"
  msiextract -C "$tmp/msi" "$tmp"/signed/*.msi >/dev/null
  mapfile -t files < <(programs "$tmp/zip" "$tmp/msi")
  verify "${files[@]}" "$tmp"/signed/*.msi "$tmp"/signed/*.exe
  cp "${files[0]}" "$tmp/changed"
  printf X | dd of="$tmp/changed" bs=1 seek=$(($(stat -c %s "$tmp/changed") / 2)) conv=notrunc 2>/dev/null
  ! osslsigncode verify -CAfile "$tmp/cert.pem" -in "$tmp/changed" >/dev/null 2>&1 || fail "a changed file verified"
  nsis "$tmp"/signed/*.exe # verifying the installed programs and the uninstaller
}

"$@"
