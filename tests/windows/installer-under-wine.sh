#!/bin/bash
# Installs Kolekt silently with its Windows installer into a fresh Wine prefix on a private X
# display and checks the programs, the Start-menu entry, the .k09 file type and the uninstall
# entry; then uninstalls silently and checks that exactly what it installed is gone, while the
# settings beside the program, a collection in its folder and another program's claim on .k09
# stay.
#   tests/windows/installer-under-wine.sh [SETUP.exe]   (default: build/windows/dist/)
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ $# -gt 0 ]; then
    setup=$(realpath "$1")
else
    setup=$(realpath build/windows/dist/Kolekt-*-setup.exe)
fi
source scripts/xvfb-session.sh installer
start_private_display
export WINEPREFIX=$scratch/wine WINEDEBUG=-all
# No Mono or Gecko prompt, and no menu entries of the prefix on the desktop running the test.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; end_xvfb_session' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A registry value's data as `wine reg query` prints it, or nothing where the value is missing.
# "" names the key's default value.
reg_value() {
    local key=$1 name=$2 option=(/v "$2")
    [ -z "$name" ] && option=(/ve)
    wine reg query "$key" "${option[@]}" 2>/dev/null | tr -d '\r' |
        awk '$0 ~ /REG_/ { sub(/^ *[^ ]*( [^ ]+)* +REG_[A-Z_]+ */, ""); print; exit }' || true
}

expect_value() {
    local key=$1 name=$2 expected=$3 actual
    actual=$(reg_value "$key" "$name")
    [ "$actual" = "$expected" ] || fail "$key ${name:-(default)} is '$actual', not '$expected'"
}

expect_no_key() {
    wine reg query "$1" >/dev/null 2>&1 && fail "$1 is still in the registry"
    return 0
}

unix_path() {
    winepath -u "$1" 2>/dev/null | tr -d '\r'
}

wine wineboot -i >/dev/null 2>&1
wineserver -w
local_app_data=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
app_data=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
install_dir="$local_app_data\\Programs\\Kolekt"
install=$(unix_path "$install_dir")
shortcut="$(unix_path "$app_data")/Microsoft/Windows/Start Menu/Programs/Kolekt.lnk"
classes='HKCU\Software\Classes'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kolekt'
installed=(kolekt.exe kolekt-tool.exe README.txt LICENSE.txt uninstall.exe)

wine "$setup" /S
wineserver -w

for file in "${installed[@]}"; do
    [ -f "$install/$file" ] || fail "$file is not in $install"
done
if [ -f "$shortcut" ]; then
    strings -a "$shortcut" | grep -qi 'kolekt\.exe' || fail "the Start-menu entry does not start kolekt.exe"
else
    fail "there is no Start-menu entry at $shortcut"
fi
expect_value "$classes\\Kolekt.Collection\\shell\\open\\command" "" "\"$install_dir\\kolekt.exe\" \"%1\""
expect_value "$classes\\Kolekt.Collection\\DefaultIcon" "" "$install_dir\\kolekt.exe,0"
# Windows looks extensions up ignoring letter case, so one key serves both spellings. (Wine's
# HKEY_CLASSES_ROOT leaves out the per-user classes, so its assoc and start cannot be asked.)
for extension in .k09 .K09; do
    expect_value "$classes\\$extension" "" Kolekt.Collection
done
expect_value "$uninstall_key" DisplayName Kolekt
expect_value "$uninstall_key" UninstallString "\"$install_dir\\uninstall.exe\""
expect_value "$uninstall_key" QuietUninstallString "\"$install_dir\\uninstall.exe\" /S"

# What the user and other programs added since must outlive the uninstaller.
printf '[Settings]\r\nLoadPath=Group3.k09\r\n' >"$install/kolekt.ini"
cp samples/Group3.k09 "$install/Group3.k09"
wine reg add "$classes\\.k09\\OpenWithProgids" /v Other.Program /t REG_SZ /d "" /f >/dev/null 2>&1

wine "$install/uninstall.exe" /S
wineserver -w

for file in "${installed[@]}"; do
    [ -e "$install/$file" ] && fail "$file is still in $install"
done
cmp -s samples/Group3.k09 "$install/Group3.k09" || fail "the collection in the program's folder was not kept"
[ -f "$install/kolekt.ini" ] || fail "kolekt.ini beside the program was not kept"
[ -e "$shortcut" ] && fail "the Start-menu entry is still there"
expect_no_key "$classes\\Kolekt.Collection"
expect_no_key "$uninstall_key"
[ "$(reg_value "$classes\\.k09" "")" != Kolekt.Collection ] || fail ".k09 still opens in Kolekt"
wine reg query "$classes\\.k09\\OpenWithProgids" /v Other.Program >/dev/null 2>&1 ||
    fail "another program's claim on .k09 went with the uninstaller"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installer: installed, associated .k09 and uninstalled silently"
