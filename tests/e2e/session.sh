#!/usr/bin/env bash
# The end-to-end run itself, inside an X server of its own (scripts/e2e starts it under
# xvfb-run). Usage: session.sh PROGRAM OUTPUT_DIR
#
# Drives the real program the way a student would: watches the splash, waits for the
# main window, types the hidden credit sequence, presses "Обновить" on every page,
# saves a chart through its context menu, and checks each step by the pixels on the
# screen and by the saved file. Screenshots stay in OUTPUT_DIR for a look afterwards.
set -euo pipefail

PROGRAM=$1
OUT=$2
# The script's own tools read and print numbers with a point, whatever the caller's
# locale; the program gets its Russian locale separately below.
export LC_ALL=C
HERE="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/x11_helpers.sh
source "$HERE/x11_helpers.sh"

readonly TITLE="Статистическая теория радиотехнических систем"

# Where the window and the splash are placed, and their client sizes.
readonly SPLASH_POS="342,253" SPLASH_SIZE="300x199"
readonly MAIN_POS="202,189" MAIN_SIZE="693x479"

# Layout of the main window, relative to its client area. Each page starts below the
# tab bar at (2, 24) with the default style and fonts under Xvfb (measured from a
# screenshot); the page's own coordinates are added to it.
readonly PAGE_X=2 PAGE_Y=24
readonly TAB_Y=12
readonly TAB_X=(0 34 102 170 238)                  # centres of the tabs "Лаб. №1".."Лаб. №4"
readonly BUTTON_X=$((PAGE_X + 16 + 73 / 2)) BUTTON_Y=$((PAGE_Y + 413 + 25 / 2))
readonly CHARTS_X=$((PAGE_X + 248)) CHARTS_Y=$((PAGE_Y + 10))   # the "Графики" group
readonly CHARTS_W=425 CHARTS_H=433
readonly LOWER_CHART_X=$((CHARTS_X + 8)) LOWER_CHART_Y=$((CHARTS_Y + 216))

# Colours the labs draw with, and how far a pixel may be from them to count.
readonly RED="rgb(255,0,0)" GREEN="rgb(0,128,0)" BLUE="rgb(0,0,255)" BAR_BLUE="rgb(0,0,160)"
readonly WINDOW_COLOUR="rgb(237,232,230)"
readonly FUZZ="12%"
# A drawn chart leaves hundreds of pixels of each of its line colours; a few stray
# pixels (antialiased text, the legend picture's edges) must not count as a chart.
readonly MIN_LINE_PIXELS=150
readonly MAX_STRAY_PIXELS=10

START_MS=$(now_ms)
PROGRAM_PID=""
# The screenshot that the checks read: PPM, which is quicker to write and read than PNG.
SCREEN="$OUT/screen.ppm"

cleanup() {
  if [ -n "$PROGRAM_PID" ] && program_alive; then
    kill "$PROGRAM_PID" 2>/dev/null || true
  fi
  if [ -n "${XDG_RUNTIME_DIR:-}" ]; then
    rm -rf "$XDG_RUNTIME_DIR"
  fi
}
on_failure() {
  trap - ERR
  set +e
  shot "$OUT/failure.png" 2>/dev/null || true
  if [ -s "$SCREEN" ]; then
    convert "$SCREEN" "$OUT/last-checked.png" 2>/dev/null || true
  fi
  echo "e2e: the screen at the failure: $OUT/failure.png; the last one checked: $OUT/last-checked.png" >&2
  echo "e2e: the program's output:" >&2
  tail -n 20 "$OUT/program.log" >&2 || true
}
trap cleanup EXIT
trap 'fail "stopped by a signal"' TERM INT
trap 'fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR

# ---- start-up

export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
rm -f "$OUT"/*.png "$OUT"/*.jpg "$OUT"/*.ppm "$OUT/program.log"

# Qt takes the comma from the locale's name even where glibc lacks that locale.
LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$PROGRAM" >"$OUT/program.log" 2>&1 &
PROGRAM_PID=$!
log "started $PROGRAM (pid $PROGRAM_PID)"

# The splash: the only window of the program that is 300 × 199.
SPLASH=""
find_splash() {
  local w
  for w in $(visible_windows); do
    window_geometry "$w" || continue
    if [ "${GW}x${GH}" = "$SPLASH_SIZE" ]; then
      SPLASH=$w
      return 0
    fi
  done
  program_alive || fail "the program ended before showing its splash (log: $OUT/program.log)"
  return 1
}
poll 20 find_splash || fail "no ${SPLASH_SIZE} splash window appeared within 20 s"
shot "$SCREEN"
[ "$GX,$GY" = "$SPLASH_POS" ] || fail "splash at $GX,$GY, expected $SPLASH_POS"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/splash.png"
looks_like_splash "$OUT/splash.png" \
  || fail "the screenshot shows no light-brown splash picture (mean red, green, blue: $SPLASH_MEANS; see $OUT/splash.png)"
log "splash ${SPLASH_SIZE} at ${SPLASH_POS}"

# The main window, found by its caption.
MAIN=""
find_main() {
  MAIN=$(window_titled "$TITLE") && return 0
  program_alive || fail "the program ended before showing its main window (log: $OUT/program.log)"
  return 1
}
poll 20 find_main || fail "the main window \"$TITLE\" did not appear within 20 s"
for w in $(visible_windows); do
  [ "$w" != "$SPLASH" ] || fail "the splash is still on the screen after the main window appeared"
done
window_geometry "$MAIN"
WIN_X=$GX WIN_Y=$GY WIN_W=$GW WIN_H=$GH
[ "${WIN_W}x${WIN_H}" = "$MAIN_SIZE" ] || fail "main window is ${WIN_W}x${WIN_H}, expected $MAIN_SIZE"
[ "$WIN_X,$WIN_Y" = "$MAIN_POS" ] || fail "main window at $WIN_X,$WIN_Y, expected $MAIN_POS"
log "main window ${MAIN_SIZE} at ${MAIN_POS}"

# Wait for the first paint: the window's own colour covers its groups and labels.
painted() {
  shot "$SCREEN"
  [ "$(count_colour "$SCREEN" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H" "$WINDOW_COLOUR" 1%)" -gt 5000 ]
}
poll 20 painted || fail "the main window was never painted with its colour RGB(237,232,230)"

# The two charts of every page, in window coordinates: the lower one covers the upper
# one's bottom 9 rows, so the upper region stops above it.
readonly UPPER_CHART="$((CHARTS_X + 8)) $((CHARTS_Y + 16)) 409 200"
readonly LOWER_CHART="$LOWER_CHART_X $LOWER_CHART_Y 409 209"

# region_pixels PNG "X Y W H" COLOUR: pixels of COLOUR in a region of the window.
region_pixels() {
  local x y w h
  read -r x y w h <<<"$2"
  count_colour "$1" $((WIN_X + x)) $((WIN_Y + y)) "$w" "$h" "$3" "$FUZZ"
}

# Strongly coloured pixels (HSL saturation above one half) in the "Графики" group:
# none while the charts are hidden, whatever colours the page draws with.
coloured_pixels_in_charts_group() {
  convert "$1" -crop "${CHARTS_W}x${CHARTS_H}+$((WIN_X + CHARTS_X))+$((WIN_Y + CHARTS_Y))" +repage \
    -alpha off -colorspace HSL -channel G -separate +channel -threshold 50% -format '%[fx:round(mean*w*h)]' info:
}
charts_hidden() {
  shot "$SCREEN"
  [ "$(coloured_pixels_in_charts_group "$SCREEN")" -le "$MAX_STRAY_PIXELS" ]
}
charts_hidden || fail "page 1 shows chart pixels before its button was pressed"

# ---- the hidden credits, while no chart covers the credit line's place

# The credit line starts at screen (500, 300); the greeting's left column at x 25 runs
# from the top of the screen, where only the empty desktop lies above the window.
credit_line_pixels() { count_colour "$1" 495 295 200 25 "$RED" "$FUZZ"; }
greeting_pixels() { count_colour "$1" 20 0 130 180 "$RED" "$FUZZ"; }

shot "$SCREEN"
[ "$(credit_line_pixels "$SCREEN")" -le "$MAX_STRAY_PIXELS" ] \
  || fail "red pixels at the credit line's place before the sequence was typed"
xdotool windowfocus "$MAIN" 2>/dev/null || true
poll 10 has_focus "$MAIN" || fail "the main window never got the keyboard focus"

credits_shown() {
  shot "$SCREEN"
  [ "$(credit_line_pixels "$SCREEN")" -gt 30 ] && [ "$(greeting_pixels "$SCREEN")" -gt 100 ]
}
# The credits go by themselves after a few seconds; if the screenshot came too late on
# a busy machine, one more "t" draws them again (the sequence stays complete).
xdotool type --delay 40 about
shown=0
for attempt in 1 2 3; do
  if poll 3 credits_shown; then
    shown=1
    break
  fi
  log "credits not seen yet (attempt $attempt), typing \"t\" once more"
  xdotool type t
done
[ "$shown" = 1 ] || fail "typing \"about\" drew no red credits near (500, 300)"
convert "$SCREEN" "$OUT/credits.png"
log "credits drawn: $(credit_line_pixels "$SCREEN") red pixels at the credit line," \
  "$(greeting_pixels "$SCREEN") in the greeting column"

# A click on an empty spot of the page takes them away.
clicked_ms=$(now_ms)
click_in_window $((PAGE_X + 120)) $((PAGE_Y + 395))
credits_gone() {
  shot "$SCREEN"
  [ "$(greeting_pixels "$SCREEN")" -le "$MAX_STRAY_PIXELS" ]
}
poll 8 credits_gone || fail "the credits stayed on the screen after a click"
log "credits gone $(($(now_ms) - clicked_ms)) ms after the click"

# ---- every page: switch to it, its charts are still hidden, press "Обновить", charts appear

# The colours each page draws with (the colours of its points, which on pages 2 and 4
# differ from some series' own colours): upper chart, lower chart.
readonly UPPER_COLOURS=("" "$RED" "$RED" "$RED" "$BLUE")
readonly LOWER_COLOURS=("" "$BAR_BLUE" "$RED $GREEN" "$RED $GREEN $BLUE" "$RED $GREEN $BLUE")

# charts_drawn PAGE: both charts show enough pixels of each of their colours. Leaves
# the counts in CHART_SUMMARY and the first colour that falls short in CHART_SHORTFALL.
charts_drawn() {
  local page=$1 chart colour n
  shot "$SCREEN"
  CHART_SUMMARY="" CHART_SHORTFALL=""
  for chart in upper lower; do
    local region=$UPPER_CHART colours=${UPPER_COLOURS[$page]}
    if [ "$chart" = lower ]; then
      region=$LOWER_CHART colours=${LOWER_COLOURS[$page]}
    fi
    for colour in $colours; do
      n=$(region_pixels "$SCREEN" "$region" "$colour")
      CHART_SUMMARY+=" $chart $colour $n"
      if [ "$n" -lt "$MIN_LINE_PIXELS" ] && [ -z "$CHART_SHORTFALL" ]; then
        CHART_SHORTFALL="the $chart chart has only $n pixels of $colour"
      fi
    done
  done
  [ -z "$CHART_SHORTFALL" ]
}

for page in 1 2 3 4; do
  require_alive "switching to page $page"
  click_in_window "${TAB_X[$page]}" "$TAB_Y"
  if [ "$page" -gt 1 ]; then
    # The page before shows its charts; this one must not until its button is pressed.
    poll 10 charts_hidden \
      || fail "page $page: charts visible before its button was pressed, or the tab click missed"
  fi
  click_in_window "$BUTTON_X" "$BUTTON_Y"
  poll 15 charts_drawn "$page" \
    || fail "page $page: after pressing \"Обновить\" $CHART_SHORTFALL"
  crop_window "$SCREEN" "$OUT/page$page.png"
  log "page $page: charts drawn (pixels:$CHART_SUMMARY)"
done

# ---- saving the lower chart of page 4 through its context menu

SAVED="$OUT/saved.jpg"
rm -f "$SAVED"
other_window() {  # other_window MIN_W MAX_H: a mapped window besides the main one
  local w
  for w in $(visible_windows); do
    [ "$w" != "$MAIN" ] || continue
    window_geometry "$w" || continue
    if [ "$GW" -ge "$1" ] && [ "$GH" -le "$2" ]; then
      OTHER=$w
      return 0
    fi
  done
  return 1
}
# Away from the legend picture at (265, 35) of the chart.
click_in_window $((LOWER_CHART_X + 100)) $((LOWER_CHART_Y + 120)) 3
poll 10 other_window 20 100 || fail "a right click on the chart opened no context menu"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/menu.png"
xdotool mousemove $((GX + GW / 2)) $((GY + GH / 2))
sleep 0.1
xdotool click 1
poll 10 other_window 300 2000 || fail "\"Сохранить\" opened no save dialog (see $OUT/menu.png)"
DIALOG=$OTHER
poll 10 has_focus "$DIALOG" || fail "the save dialog never got the keyboard focus"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/dialog.png"
# The file name field has the focus; the chosen type "*.jpg" adds the extension.
xdotool key ctrl+a
xdotool type --delay 20 "$OUT/saved"
xdotool key Return
poll 10 test -s "$SAVED" || fail "no file $SAVED after typing its name into the save dialog (see $OUT/dialog.png)"
dialog_closed() { ! visible_windows | grep -qx "$DIALOG"; }
poll 10 dialog_closed || fail "the save dialog stayed open after Enter"
picture=$(identify -format '%m %w %h' "$SAVED" 2>&1) || fail "identify cannot read $SAVED: $picture"
[ "$picture" = "JPEG 409 209" ] || fail "$SAVED is \"$picture\", expected a 409 × 209 JPEG"
# The picture shows the Wiener chart's three lines (JPEG blurs them, hence the wider fuzz).
for colour in "$RED" "$GREEN" "$BLUE"; do
  n=$(count_colour "$SAVED" 0 0 409 209 "$colour" 25%)
  [ "$n" -ge 50 ] || fail "$SAVED has only $n pixels of $colour: not the chart's picture"
done
# It is the chart as the screen showed it, but without the legend picture that lies on
# the chart at (265, 35): left of the legend the two agree up to JPEG's loss, where the
# legend lies they differ.
read -r lx ly _ _ <<<"$LOWER_CHART"
convert "$OUT/page4.png" -crop "409x209+$lx+$ly" +repage "$OUT/chart42-screen.png"
convert "$SAVED" "$OUT/chart42-saved.png"
plain_difference=$(rmse_of "$OUT/chart42-screen.png" "$OUT/chart42-saved.png" 250x209+0+0)
legend_difference=$(rmse_of "$OUT/chart42-screen.png" "$OUT/chart42-saved.png" 124x43+265+35)
rm -f "$OUT/chart42-screen.png" "$OUT/chart42-saved.png"
awk -v d="$plain_difference" 'BEGIN { exit !(d < 0.05) }' \
  || fail "$SAVED differs from the chart on the screen (RMSE $plain_difference left of the legend)"
awk -v d="$legend_difference" 'BEGIN { exit !(d > 0.12) }' \
  || fail "$SAVED shows the legend picture (RMSE only $legend_difference from the screen there)"
log "saved the lower chart of page 4: $picture, like the screen (RMSE $plain_difference)" \
  "but without the legend (RMSE $legend_difference there)"

# ---- the end

require_alive "finishing"
rm -f "$SCREEN"
kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=""
log "all checks passed in $(($(now_ms) - START_MS)) ms; screenshots in $OUT"
