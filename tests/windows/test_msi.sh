#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A school's IT deploys the MSI silently: it installs per machine under Program Files with a
# Start-menu entry and one "Apps & Features" entry (version, publisher, icon); the program started
# from that entry copies an exact worksheet; a newer MSI replaces it (one entry remains, with the
# new version); silent removal leaves no file and no entry of ours.
# Run by ctest with the Wine starter as the program, which runs SR_WINDOWS_EXE under Wine: here
# also Wine's own msiexec, reg and winepath.
source "$(dirname "$0")/../e2e/lib.sh"

build="$(dirname "${SR_WINDOWS_EXE:?the built .exe}")"
msi="$build/schriftlich-rechnen.msi"
[[ -f "$msi" ]] || fail "no $msi (scripts/windows.sh makes it)"
drive_c="$SR_WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Schriftlich rechnen"
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

windows() { SR_WINDOWS_EXE="$1" "$PROGRAM" "${@:2}" 2>/dev/null | tr -d '\r'; }
msiexec() { SR_WINDOWS_EXE=msiexec "$PROGRAM" "$@" >>"$E2E_LOG" 2>&1; }
# The values of every entry of ours under the uninstall key, entries parted by empty lines.
arp_entries() {
    windows reg query "$UNINSTALL" /s | awk '
        /^HKEY_/ { if (ours) print block "\n"; block = $0; ours = 0; next }
        /^ +DisplayName +REG_SZ +Schriftlich rechnen$/ { ours = 1 }
        /^ +[A-Za-z]+ +REG_/ { block = block "\n" $0 }
        END { if (ours) print block "\n" }'
}
arp_value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$2"; }
start_menu_entry() { find "$drive_c" -name 'Schriftlich rechnen.lnk' 2>/dev/null; }

# Silent install.
msiexec /i "$(windows winepath -w "$msi")" /qn || fail "msiexec /i /qn failed"
for file in schriftlich-rechnen.exe LIESMICH.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    [[ -f "$installed/$file" ]] || fail "$file is not in Program Files\\Schriftlich rechnen"
done
cmp -s "$installed/schriftlich-rechnen.exe" "$SR_WINDOWS_EXE" || fail "the installed .exe is not the built one"

entry="$(arp_entries)"
[[ "$(grep -c '^HKEY_' <<<"$entry")" == 1 ]] || fail "not one Apps & Features entry: $entry"
version="$(arp_value DisplayVersion "$entry")"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "no version in the entry: $entry"
[[ "$(arp_value Publisher "$entry")" == Schriftlich-rechnen-Team ]] || fail "wrong publisher: $entry"
grep -q 'UninstallString.*MsiExec.exe /X{' <<<"$entry" || fail "the entry does not uninstall: $entry"
# Apps & Features shows an installed MSI's ProductIcon; Windows keeps it in its Installer folder.
icon="$(windows reg query 'HKLM\Software\Classes\Installer\Products' /s |
    sed -n 's/^ *ProductIcon *REG_SZ *//p' | grep -i 'Installer\\{[^}]*}\\program.ico$')"
[[ -n "$icon" && -s "$(windows winepath -u "$icon")" ]] || fail "no product icon per machine: $icon"

# The Start-menu entry points to the installed .exe and shows the program's icon. (Wine puts
# it in the user's Start menu, Windows in the one of all users.)
link="$(start_menu_entry)"
[[ -n "$link" ]] || fail "no Start-menu entry"
target="$(strings -n 8 "$link" | grep -m1 -i '^[A-Z]:\\.*\.exe$')"
[[ "$target" == 'C:\Program Files\Schriftlich rechnen\schriftlich-rechnen.exe' ]] ||
    fail "the Start-menu entry points to '$target'"
strings -n 8 -e l "$link" | grep -qi 'program\.ico$' || fail "the Start-menu entry has no icon"

# The program, started from that target, copies an exact worksheet.
SR_WINDOWS_EXE="$(windows winepath -u "$target")" \
    bash "$(dirname "$0")/../e2e/test_worksheet_copy.sh" "$PROGRAM" ||
    fail "the installed program did not copy an exact worksheet"

# A newer build over it: the same files, the next version.
newer="${version%.*}.$((${version##*.} + 1))"
payload="$E2E_TMP/payload"
mkdir -p "$payload"
unzip -q "$build/schriftlich-rechnen-windows.zip" -d "$payload" || fail "the zip does not unpack"
SOURCE_DATE_EPOCH="$(date +%s)" bash "$(dirname "$0")/../../packaging/windows/msi.sh" "$payload" \
    "$build/packaging/windows/schriftlich-rechnen.ico" "$newer" "$E2E_TMP/newer.msi" \
    >>"$E2E_LOG" 2>&1 || fail "no MSI of version $newer"
msiexec /i "$(windows winepath -w "$E2E_TMP/newer.msi")" /qn || fail "the newer MSI did not install"
entry="$(arp_entries)"
[[ "$(grep -c '^HKEY_' <<<"$entry")" == 1 ]] || fail "not one entry after the upgrade: $entry"
[[ "$(arp_value DisplayVersion "$entry")" == "$newer" ]] || fail "the entry is not $newer: $entry"
[[ -f "$installed/schriftlich-rechnen.exe" ]] || fail "the upgrade removed the program"
[[ "$(start_menu_entry | wc -l)" == 1 ]] || fail "not one Start-menu entry after the upgrade"

# Silent removal leaves nothing of ours.
msiexec /x "$(windows winepath -w "$E2E_TMP/newer.msi")" /qn || fail "msiexec /x /qn failed"
[[ ! -e "$installed" ]] || fail "Program Files\\Schriftlich rechnen is still there"
[[ -z "$(start_menu_entry)" ]] || fail "the Start-menu entry is still there"
[[ -z "$(arp_entries)" ]] || fail "the Apps & Features entry is still there"
left="$(find "$drive_c" \( -iname '*schriftlich*' -o -name THIRD-PARTY-NOTICES.txt \) -print)"
[[ -z "$left" ]] || fail "files of ours are left: $left"
[[ ! -e "$(windows winepath -u "$icon")" ]] || fail "the product icon is left: $icon"
echo "PASS: the MSI installs, upgrades and uninstalls silently, per machine"
