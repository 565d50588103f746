#!/usr/bin/env bash
# e2e.sh ZIP OUTPUT_DIR
# The Windows package's strs-workbench.exe under Wine in a virtual X server, started from
# the unzipped folder with nothing set up: the splash, then the main window, then
# «Обновить» on every page with its charts drawn. Screenshots stay in OUTPUT_DIR.
set -euo pipefail
zip=$1
mkdir -p "$2"
out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"

if [ -z "${STRS_E2E_INSIDE_X:-}" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && cmake -E tar xf "$zip")
  STRS_E2E_INSIDE_X=1 STRS_E2E_FOLDER="$(find "$work" -mindepth 1 -maxdepth 1 -type d)" \
    xvfb-run -a -s "-screen 0 1280x1024x24" timeout 300 "$0" "$zip" "$out"
  exit
fi

export LC_ALL=C
OUT=$out
# shellcheck source=tests/e2e/x11_helpers.sh
source "$here/../e2e/x11_helpers.sh"
readonly TITLE="Статистическая теория радиотехнических систем"
readonly RED="rgb(255,0,0)" BLUE="rgb(0,0,255)"
# The page's colour of points in the upper chart (page 4: blue), at least this many pixels.
readonly PAGE_COLOURS=("" "$RED" "$RED" "$RED" "$BLUE")
readonly MIN_LINE_PIXELS=150
START_MS=$(now_ms)  # read by log()
export START_MS
PROGRAM_PID=""
SCREEN="$OUT/screen.ppm"
rm -f "$OUT"/*.png "$OUT/program.log"

cleanup() {
  [ -z "$PROGRAM_PID" ] || kill "$PROGRAM_PID" 2>/dev/null || true
  # The Wine server of this display's session ends with the program's windows.
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
}
on_failure() { shot "$OUT/failure.png" 2>/dev/null || true; tail -n 20 "$OUT/program.log" >&2 || true; }
prefix="${STRS_WINDOWS_CACHE:-/var/cache/strs-workbench/windows}/wineprefix-e2e"
trap cleanup EXIT

(cd "$STRS_E2E_FOLDER" && WINEPREFIX="$prefix" STRS_WINE_BARE=1 LANG=ru_RU.UTF-8 \
   "$here/../../scripts/wine-run" strs-workbench.exe) >"$OUT/program.log" 2>&1 &
PROGRAM_PID=$!
log "started strs-workbench.exe under Wine"

SPLASH=""
find_splash() {
  local w
  for w in $(visible_windows); do
    window_geometry "$w" || continue
    if [ "$GW" -ge 290 ] && [ "$GW" -le 310 ] && [ "$GH" -ge 190 ] && [ "$GH" -le 230 ]; then
      SPLASH=$w
      return 0
    fi
  done
  program_alive || fail "the program ended before showing its splash"
  return 1
}
# The first start creates the Wine prefix, which takes a while.
poll 120 find_splash || fail "no splash window appeared"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/splash.png"
looks_like_splash "$OUT/splash.png" \
  || fail "the splash shows no light-brown picture (mean red, green, blue: $SPLASH_MEANS)"
log "splash ${GW}x${GH} at $GX,$GY"

MAIN=""
find_main() {
  MAIN=$(window_titled "$TITLE") && return 0
  program_alive || fail "the program ended before showing its main window"
  return 1
}
shown_ms=$(now_ms)
poll 30 find_main || fail "the main window did not appear within 30 s of the splash"
log "main window after $(($(now_ms) - shown_ms)) ms of splash"
splash_gone() { ! visible_windows | grep -qx "$SPLASH"; }
poll 10 splash_gone || fail "the splash stayed on the screen after the main window appeared"
window_geometry "$MAIN"
WIN_X=$GX WIN_Y=$GY WIN_W=$GW WIN_H=$GH
sleep 1
shot "$SCREEN"
crop_window "$SCREEN" "$OUT/main.png"
log "main window ${WIN_W}x${WIN_H} at $WIN_X,$WIN_Y"

# Pages are switched with Ctrl+Tab, which needs no knowledge of the tab widths the
# Windows style and fonts give; the button lies at the same place on every page.
readonly BUTTON_X=$((2 + 16 + 73 / 2)) BUTTON_Y=$((24 + 413 + 25 / 2))
page_drawn() {
  shot "$SCREEN"
  [ "$(count_colour "$SCREEN" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H" "${PAGE_COLOURS[$1]}" 12%)" -ge "$MIN_LINE_PIXELS" ]
}
for page in 1 2 3 4; do
  require_alive "on page $page"
  if [ "$page" -gt 1 ]; then
    xdotool windowfocus "$MAIN" 2>/dev/null || true
    xdotool key --window "$MAIN" ctrl+Tab
    sleep 0.5
  fi
  click_in_window "$BUTTON_X" "$BUTTON_Y"
  poll 20 page_drawn "$page" || fail "page $page: no chart after pressing «Обновить»"
  crop_window "$SCREEN" "$OUT/page$page.png"
  log "page $page: charts drawn"
done
rm -f "$SCREEN"
log "all checks passed; screenshots in $OUT"
