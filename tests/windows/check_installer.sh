#!/usr/bin/env bash
# check_installer.sh SETUP_EXE
# Installs silently under Wine into a folder of its own, checks the program files and the
# Start-menu entry, runs the installed replay tool, uninstalls and checks that all is gone.
set -euo pipefail
setup=$1
here="$(cd "$(dirname "$0")" && pwd)"
run() { STRS_WINE_BARE=1 "$here/../../scripts/wine-run" "$@"; }
target='C:\strs-installer-check'
unix_target="$(run winepath -u "$target" 2>/dev/null | tr -d '\r')"
rm -rf "$unix_target"
run "$setup" /S "/D=$target"
appdata="$(run cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')"
menu="$(run winepath -u "$appdata\Microsoft\Windows\Start Menu\Programs\STRS Workbench" 2>/dev/null | tr -d '\r')"
for f in strs-workbench.exe strs-replay.exe uninstall.exe qt.conf platforms/qwindows.dll; do
  [ -e "$unix_target/$f" ] || { echo "installer: $f was not installed" >&2; exit 1; }
done
[ -e "$menu/STRS Workbench.lnk" ] || { echo "installer: no Start-menu entry in $menu" >&2; exit 1; }
out="$(cd "$unix_target" && printf 'locale ru_RU\npage 3\npress BB3\ndump\n' | run strs-replay.exe - | tr -d '\r')"
[[ "$out" == '{"'* ]] || { echo "installer: the installed strs-replay.exe printed no snapshot" >&2; exit 1; }
# The uninstaller copies itself away and goes on in the background.
run "$unix_target/uninstall.exe" /S
for _ in $(seq 100); do
  [ -e "$unix_target" ] || break
  sleep 0.3
done
[ ! -e "$unix_target" ] || { echo "installer: $unix_target is left after uninstalling" >&2; ls -R "$unix_target" >&2; exit 1; }
[ ! -e "$menu" ] || { echo "installer: the Start-menu entry is left after uninstalling" >&2; exit 1; }
echo "installer: installs, runs and uninstalls cleanly"
