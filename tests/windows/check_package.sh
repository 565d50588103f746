#!/usr/bin/env bash
# check_package.sh ZIP HOST_REPLAY SCRIPT
# Unzips the package into a fresh folder and runs its strs-replay.exe there under Wine
# with no Qt variable, no library path and no font folder given: the package must find
# its DLLs, plugins and fonts by itself and print what the Linux strs-replay prints.
set -euo pipefail
zip=$1 host=$2 script=$3
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
folder="$(find "$work" -mindepth 1 -maxdepth 1 -type d)"
for f in strs-workbench.exe strs-replay.exe qt.conf README.txt platforms/qwindows.dll \
         platforms/qoffscreen.dll styles/qwindowsvistastyle.dll translations/qtbase_ru.qm \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Qt6Core.dll; do
  [ -e "$folder/$f" ] || { echo "package: $f is missing" >&2; exit 1; }
done
cp "$script" "$work/script.replay"
QT_QPA_PLATFORM=offscreen "$host" "$script" >"$work/linux.json" 2>/dev/null
(cd "$folder" && env -u QT_QPA_PLATFORM -u QT_QPA_FONTDIR -u QT_PLUGIN_PATH STRS_WINE_BARE=1 \
   "$here/../../scripts/wine-run" strs-replay.exe ../script.replay) | tr -d '\r' >"$work/windows.json"
if ! cmp -s "$work/linux.json" "$work/windows.json" || [ ! -s "$work/linux.json" ]; then
  echo "package: the unzipped strs-replay.exe prints other numbers than Linux" >&2
  diff <(tr ',' '\n' <"$work/linux.json") <(tr ',' '\n' <"$work/windows.json") | head -n 20 >&2
  exit 1
fi
echo "package: the unzipped strs-replay.exe prints what Linux prints ($(wc -l <"$work/linux.json") snapshots)"
