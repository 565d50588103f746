#!/usr/bin/env bash
# The end-to-end run itself, inside an X server of its own (scripts/e2e starts it under
# xvfb-run). Usage: session.sh PROGRAM OUTPUT_DIR
#
# Drives the real program the way a student would: watches the splash, waits for the
# main window, types the hidden credit sequence, presses "Обновить" on every page,
# reads values off a chart with the mouse and the keys, opens the chart menu from the
# keyboard, saves a chart through its context menu, and checks each step by the pixels on the
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

readonly RUSSIAN_TITLE="Статистическая теория радиотехнических систем"
TITLE=$RUSSIAN_TITLE
readonly ENGLISH_TITLE="Statistical Theory of Radio Engineering Systems"

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

# window_icon ID: the size of the window's first icon ("64x64"), read from _NET_WM_ICON
# (width, height, pixels), or nothing.
window_icon() { xprop -id "$1" -notype 32c _NET_WM_ICON 2>/dev/null | sed -n 's/^_NET_WM_ICON = \([0-9]*\), \([0-9]*\),.*/\1x\2/p'; }

# ---- start-up

export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
rm -f "$OUT"/*.png "$OUT"/*.jpg "$OUT"/*.ppm "$OUT/program.log"

# Qt takes the comma from the locale's name even where glibc lacks that locale.
STRS_LANGUAGE=ru LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$PROGRAM" >"$OUT/program.log" 2>&1 &
PROGRAM_PID=$!
log "started $PROGRAM (pid $PROGRAM_PID)"

# window_sized GLOB: a mapped window of the program whose size ("WxH") matches GLOB;
# leaves it in FOUND and its geometry in GX GY GW GH.
window_sized() {
  local w
  for w in $(visible_windows); do
    window_geometry "$w" || continue
    # shellcheck disable=SC2053  # GLOB is a pattern on purpose
    if [[ "${GW}x${GH}" == $1 ]]; then
      FOUND=$w
      return 0
    fi
  done
  program_alive || fail "the program ended before showing a ${1} window (log: $OUT)"
  return 1
}
# The splash: the only window of the program that is 300 × 199.
find_splash() { window_sized "$SPLASH_SIZE" && SPLASH=$FOUND; }
poll 20 find_splash || fail "no ${SPLASH_SIZE} splash window appeared within 20 s"
# The icon first, while the splash surely stands, and polled: on a busy machine the
# property can come a moment after the window.
splash_icon=""
splash_has_icon() { splash_icon=$(window_icon "$SPLASH"); [ "$splash_icon" = "64x64" ]; }
poll 5 splash_has_icon || fail "the splash's _NET_WM_ICON is \"$splash_icon\", expected the 64x64 icon"
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

# Both windows carry the installed 64 × 64 icon.
icon=""
main_has_icon() { icon=$(window_icon "$MAIN"); [ "$icon" = "64x64" ]; }
poll 5 main_has_icon || fail "the main window's _NET_WM_ICON is \"$icon\", expected the 64x64 icon"
log "main window icon ${icon}"

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

# The read-out's box has a pale yellow ground that nothing else in the window has.
readonly READOUT_COLOUR="rgb(255,255,225)"
readout_pixels() {
  count_colour "$1" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H" "$READOUT_COLOUR" 2%
}
readout_shown() { shot "$SCREEN"; [ "$(readout_pixels "$SCREEN")" -gt 500 ]; }
readout_gone() { shot "$SCREEN"; [ "$(readout_pixels "$SCREEN")" -le "$MAX_STRAY_PIXELS" ]; }

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
  if [ "$page" = 1 ]; then
    # The histogram's read-out names the bar's range of values.
    xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + 150)) $((LOWER_CHART_Y + 100))
    poll 10 readout_shown || fail "no read-out appeared with the mouse over the histogram"
    crop_window "$SCREEN" "$OUT/readout-histogram.png"
    xdotool mousemove --window "$MAIN" $((PAGE_X + 120)) $((PAGE_Y + 395))
    poll 10 readout_gone || fail "the histogram's read-out stayed after the mouse left it"
  fi
done


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

# ---- the read-out of the lower chart of page 4: under the mouse, then moved by the keys


xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + 200)) $((LOWER_CHART_Y + 120))
poll 10 readout_shown || fail "no read-out appeared with the mouse over the lower chart of page 4"
crop_window "$SCREEN" "$OUT/readout.png"
log "read-out under the mouse: $(readout_pixels "$SCREEN") pixels of its box"
xdotool mousemove --window "$MAIN" $((PAGE_X + 120)) $((PAGE_Y + 395))
poll 10 readout_gone || fail "the read-out stayed after the mouse left the chart"

# A click gives the chart the keyboard focus; the arrow keys bring the read-out back.
click_in_window $((LOWER_CHART_X + 100)) $((LOWER_CHART_Y + 120))
xdotool mousemove --window "$MAIN" $((PAGE_X + 120)) $((PAGE_Y + 395))
poll 10 readout_gone || fail "the read-out stayed after the mouse left the focused chart"
xdotool key End Left Left
poll 10 readout_shown || fail "the arrow keys brought no read-out on the focused chart"
crop_window "$SCREEN" "$OUT/readout-keys.png"
log "read-out moved by the keys on the focused chart"

# Shift+F10 opens the chart menu over the chart; Escape closes it.
xdotool key shift+F10
poll 10 other_window 20 100 || fail "Shift+F10 on the focused chart opened no menu"
shot "$SCREEN"
crop_window "$SCREEN" "$OUT/menu-keys.png"
MENU=$OTHER
xdotool key Escape
menu_closed() { ! visible_windows | grep -qx "$MENU"; }
poll 10 menu_closed || fail "Escape did not close the chart menu"
log "Shift+F10 opened the chart menu (${GW}x${GH})"
xdotool key Menu
poll 10 other_window 20 100 || fail "the menu key on the focused chart opened no menu"
MENU=$OTHER
xdotool key Escape
poll 10 menu_closed || fail "Escape did not close the chart menu opened by the menu key"
log "the menu key opened the chart menu too"

# ---- the legend panel of page 4 moves with any button, and leaves nothing behind

RESOURCES="$HERE/../../resources"
readonly LEGEND_X=$((LOWER_CHART_X + 265)) LEGEND_Y=$((LOWER_CHART_Y + 35))
# legend_at X Y: the legend picture lies at (X, Y) of the lower chart.
legend_at() {
  shot "$SCREEN"
  convert "$SCREEN" -crop "124x43+$((WIN_X + LOWER_CHART_X + $1))+$((WIN_Y + LOWER_CHART_Y + $2))" +repage \
    "$OUT/legend-now.png"
  local d
  d=$(rmse_of "$OUT/legend-now.png" "$RESOURCES/legend.jpg" 124x43+0+0)
  awk -v d="$d" 'BEGIN { exit !(d < 0.06) }'
}
# drag_in_chart BUTTON FROM_X FROM_Y TO_X TO_Y (lower chart's coordinates): press, move, release.
drag_in_chart() {
  local button=$1
  xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + $2)) $((LOWER_CHART_Y + $3))
  sleep 0.1
  xdotool mousedown "$button"
  sleep 0.1
  xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + ($2 + $4) / 2)) $((LOWER_CHART_Y + ($3 + $5) / 2))
  sleep 0.05
  xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + $4)) $((LOWER_CHART_Y + $5))
  sleep 0.1
  xdotool mouseup "$button"
}
no_menu() { ! other_window 20 300; }
poll 5 legend_at 265 35 || fail "the legend of page 4 is not at (265, 35) of its chart"
# Each button in turn, the panel grabbed 10 pixels into its picture.
LEGEND_POS="265 35"
for move in "3 30 110" "2 140 50" "1 265 35"; do
  read -r button x y <<<"$move"
  read -r fx fy <<<"$LEGEND_POS"
  drag_in_chart "$button" $((fx + 10)) $((fy + 10)) $((x + 10)) $((y + 10))
  poll 5 legend_at "$x" "$y" || fail "a drag with button $button did not bring the legend to ($x, $y)"
  no_menu || fail "a press of button $button on the legend opened a menu"
  LEGEND_POS="$x $y"
  if [ "$button" = 3 ]; then
    crop_window "$SCREEN" "$OUT/legend-right-drag.png"
    # A left drag on the other chart leaves the legend where it is, and a tab click
    # switches the page: no grab was left behind.
    xdotool mousemove --window "$MAIN" $((CHARTS_X + 108)) $((CHARTS_Y + 80))
    sleep 0.1
    xdotool mousedown 1
    xdotool mousemove --window "$MAIN" $((CHARTS_X + 250)) $((CHARTS_Y + 150))
    sleep 0.1
    xdotool mouseup 1
    poll 3 legend_at "$x" "$y" || fail "a left drag on the upper chart moved the legend"
    click_in_window "${TAB_X[3]}" "$TAB_Y"
    upper_is() { shot "$SCREEN"; [ "$(region_pixels "$SCREEN" "$UPPER_CHART" "$1")" -ge "$MIN_LINE_PIXELS" ]; }
    poll 5 upper_is "$RED" || fail "after the right drag a click on the tab \"Лаб. №3\" did not switch the page"
    click_in_window "${TAB_X[4]}" "$TAB_Y"
    poll 5 upper_is "$BLUE" || fail "the tab \"Лаб. №4\" did not switch back"
  fi
  log "legend moved with button $button to ($x, $y), no menu"
done
rm -f "$OUT/legend-now.png"

# ---- Enter and Space press the focused «Обновить»

shot "$SCREEN"
crop_window "$SCREEN" "$OUT/before-click.png"
click_in_window "$BUTTON_X" "$BUTTON_Y"
poll 10 window_changed_from "$OUT/before-click.png" || fail "a click on \"Обновить\" of page 4 drew nothing new"
rm -f "$OUT/before-click.png"
for key in Return space; do
  shot "$SCREEN"
  convert "$SCREEN" -crop "409x209+$((WIN_X + LOWER_CHART_X))+$((WIN_Y + LOWER_CHART_Y))" +repage "$OUT/before-key.png"
  xdotool key "$key"
  chart_changed() {
    shot "$SCREEN"
    convert "$SCREEN" -crop "409x209+$((WIN_X + LOWER_CHART_X))+$((WIN_Y + LOWER_CHART_Y))" +repage "$OUT/after-key.png"
    awk -v d="$(rmse_of "$OUT/before-key.png" "$OUT/after-key.png" 250x209+0+0)" 'BEGIN { exit !(d > 0.02) }'
  }
  poll 5 chart_changed || fail "$key on the focused \"Обновить\" drew nothing new"
  log "$key pressed the focused \"Обновить\""
done
rm -f "$OUT/before-key.png" "$OUT/after-key.png"
crop_window "$SCREEN" "$OUT/page4-pressed.png"  # the charts as they are now, for the save below

# ---- saving the lower chart of page 4 through its context menu

SAVED="$OUT/saved.jpg"
rm -f "$SAVED"
# open_save_dialog X Y SCALE: a right click at (X, Y) of the window's client area, then
# «Сохранить» in the menu; leaves the dialog's window in DIALOG and its picture in
# $OUT/dialog.png. The menu's size limits are those of the screen's scale.
open_save_dialog() {
  local scale=${3:-1}
  click_in_window "$1" "$2" 3
  poll 10 other_window 20 $((100 * scale)) || fail "a right click on the chart opened no context menu"
  shot "$SCREEN"
  convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/menu.png"
  crop_window "$SCREEN" "$OUT/menu-window.png"
  # «Сохранить», the first of the menu's commands.
  xdotool mousemove $((GX + GW / 2)) $((GY + GH / 8))
  sleep 0.1
  xdotool click 1
  poll 10 other_window 300 3000 || fail "\"Сохранить\" opened no save dialog (see $OUT/menu.png)"
  DIALOG=$OTHER
  poll 10 has_focus "$DIALOG" || fail "the save dialog never got the keyboard focus"
  shot "$SCREEN"
  convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/dialog.png"
}
# Away from the legend picture at (265, 35) of the chart.
open_save_dialog $((LOWER_CHART_X + 100)) $((LOWER_CHART_Y + 120))
# The preview beside the file list shows the chart's three lines.
preview_pixels=$(count_colour "$OUT/dialog.png" $((GW - 260)) 0 260 $((GH - 90)) "$RED" "$FUZZ")
[ "$preview_pixels" -ge 50 ] || fail "the save dialog shows no preview of the chart (see $OUT/dialog.png)"
cp "$OUT/dialog.png" "$OUT/dialog-preview.png"
log "the save dialog (${GW}x${GH}) previews the chart ($preview_pixels red pixels)"
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
convert "$OUT/page4-pressed.png" -crop "409x209+$lx+$ly" +repage "$OUT/chart42-screen.png"
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

# ---- "No" to replacing the file brings the dialog back; a cancel then keeps the file

# name_then_box NAME BOX_PNG WHAT: types NAME into the open save dialog and presses Enter;
# a box (WHAT: a question, an error) takes the dialog's place, its picture goes to BOX_PNG,
# Return gives its default answer, and the dialog comes back (left in DIALOG).
name_then_box() {
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  poll 10 dialog_closed || fail "the save dialog stayed open after Enter on $1"
  poll 10 other_window 100 400 || fail "no $3 after Enter on $1"
  local box=$OTHER
  shot "$SCREEN"
  convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$2"
  poll 10 has_focus "$box" || xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key Return
  poll 10 other_window 300 3000 || fail "after the $3 the save dialog did not come back (see $2)"
  DIALOG=$OTHER
}

saved_sum=$(md5sum <"$SAVED")
open_save_dialog $((LOWER_CHART_X + 100)) $((LOWER_CHART_Y + 120))
name_then_box "$OUT/saved" "$OUT/question.png" "question before replacing"  # "No", the default
sleep 0.3
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/dialog-again.png"
xdotool key Escape
poll 10 dialog_closed || fail "Escape did not close the save dialog"
[ "$(md5sum <"$SAVED")" = "$saved_sum" ] || fail "$SAVED changed although the answer was \"No\""
log "\"No\" brought the save dialog back (see $OUT/dialog-again.png); the file stayed as it was"

# ---- a save into a missing folder: the error box names it, the dialog comes back with
# the name, and the read-out under the pointer at the right click does not outlast it

click_in_window "${TAB_X[3]}" "$TAB_Y"
readonly UPPER_POINT_X=$((CHARTS_X + 8 + 150)) UPPER_POINT_Y=$((CHARTS_Y + 16 + 100))
xdotool mousemove --window "$MAIN" "$UPPER_POINT_X" "$UPPER_POINT_Y"
poll 10 readout_shown || fail "no read-out appeared with the mouse over the upper chart of page 3"
open_save_dialog "$UPPER_POINT_X" "$UPPER_POINT_Y"
name_then_box "$OUT/no-such-folder/kalman" "$OUT/save-error.png" "error box"
poll 10 has_focus "$DIALOG" || fail "the save dialog that came back never got the keyboard focus"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/dialog-after-error.png"
xdotool key Escape
poll 10 dialog_closed || fail "Escape did not close the save dialog that came back"
[ ! -e "$OUT/no-such-folder" ] || fail "the failed save created $OUT/no-such-folder"
# Outside the window, then over the lower chart and out again.
xdotool mousemove $((WIN_X + WIN_W + 100)) $((WIN_Y + WIN_H / 2))
poll 10 readout_gone || fail "the upper chart's read-out stayed after the failed save, the mouse outside the window"
xdotool mousemove --window "$MAIN" $((LOWER_CHART_X + 150)) $((LOWER_CHART_Y + 100))
poll 10 readout_shown || fail "no read-out over the lower chart of page 3 after the failed save"
xdotool mousemove $((WIN_X + WIN_W + 100)) $((WIN_Y + WIN_H / 2))
poll 10 readout_gone || fail "a read-out stayed on page 3 with the mouse outside the window"
crop_window "$SCREEN" "$OUT/page3-after-failed-save.png"
log "a save into a missing folder: error box (see $OUT/save-error.png), the dialog back with the name" \
  "($OUT/dialog-after-error.png), no read-out left"
click_in_window "${TAB_X[4]}" "$TAB_Y"

# ---- an SVG drawing: the last type of the dialog's list, read back by another program

DRAWING="$OUT/drawing.svg"
rm -f "$DRAWING"
open_save_dialog $((LOWER_CHART_X + 100)) $((LOWER_CHART_Y + 120))
xdotool key ctrl+a
# A name no file in the folder begins with: a completion list would take the next click.
xdotool type --delay 20 "$OUT/drawing"
# The type list is the lowest row of the dialog, right of its label.
xdotool mousemove $((GX + GW / 3)) $((GY + GH - 24))
sleep 0.1
open_windows=$(visible_windows | wc -l)
xdotool click 1
poll 10 windows_more_than "$open_windows" || fail "a click on the type list opened no list (see $OUT/dialog.png)"
xdotool key End Return
poll 10 windows_at_most "$open_windows" || fail "End and Return did not close the type list"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/dialog-svg.png"
xdotool key Return  # the dialog's default button, «Сохранить»
poll 10 test -s "$DRAWING" || fail "no file $DRAWING after choosing the SVG type (see $OUT/dialog-svg.png)"
poll 10 dialog_closed || fail "the save dialog stayed open after saving a drawing"
rsvg-convert "$DRAWING" -o "$OUT/drawing-svg.png" || fail "rsvg-convert cannot read $DRAWING"
picture=$(identify -format '%w %h' "$OUT/drawing-svg.png")
[ "$picture" = "409 209" ] || fail "$DRAWING is drawn at $picture, expected 409 × 209"
read -r lx ly _ _ <<<"$LOWER_CHART"
convert "$OUT/page4-pressed.png" -crop "409x209+$lx+$ly" +repage "$OUT/chart42-screen.png"
drawing_difference=$(rmse_of "$OUT/chart42-screen.png" "$OUT/drawing-svg.png" 250x209+0+0)
rm -f "$OUT/chart42-screen.png"
# Its lines are smoothed (about 0.08 here); two pixels out of place or nothing drawn is
# about 0.18 or more.
awk -v d="$drawing_difference" 'BEGIN { exit !(d < 0.12) }' \
  || fail "$DRAWING, drawn by rsvg-convert, differs from the chart on the screen (RMSE $drawing_difference)"
log "saved the lower chart of page 4 as SVG; rsvg-convert draws it like the screen (RMSE $drawing_difference)"

require_alive "finishing the Russian window"
kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=""

# ---- the English window, driven from the keyboard: Ctrl+1…4 show the pages

STRS_LANGUAGE=en LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$PROGRAM" >"$OUT/program-en.log" 2>&1 &
PROGRAM_PID=$!
log "started $PROGRAM in English (pid $PROGRAM_PID)"
poll 20 find_splash || fail "no English splash appeared within 20 s"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/en-splash.png"
TITLE=$ENGLISH_TITLE
poll 20 find_main || fail "the English main window \"$TITLE\" did not appear within 20 s"
window_geometry "$MAIN"
[ "${GW}x${GH}" = "$MAIN_SIZE" ] || fail "the English window is ${GW}x${GH}, expected $MAIN_SIZE"
poll 20 painted || fail "the English window was never painted"
xdotool windowfocus "$MAIN" 2>/dev/null || true
poll 10 has_focus "$MAIN" || fail "the English window never got the keyboard focus"
for page in 1 2 3 4; do
  require_alive "showing English page $page"
  xdotool key "ctrl+$page"
  if [ "$page" -gt 1 ]; then
    poll 10 charts_hidden || fail "English page $page: Ctrl+$page did not show the page"
  fi
  click_in_window "$BUTTON_X" "$BUTTON_Y"
  poll 15 charts_drawn "$page" || fail "English page $page: $CHART_SHORTFALL"
  crop_window "$SCREEN" "$OUT/en-page$page.png"
  log "English page $page: charts drawn"
done

# ---- the window's commands: the Session menu at the right end of the tab bar, and the
# report's list of presses by Ctrl+P

# other_dialog MIN_W: a mapped window besides the main one at least MIN_W wide; in OTHER.
other_dialog() { other_window "$1" 2000; }
window_closed() { ! visible_windows | grep -qx "$1"; }
click_in_window $((693 - 25)) "$TAB_Y"
poll 10 other_window 60 200 || fail "a click on the Session button opened no menu"
shot "$SCREEN"
# The window with the menu, which may reach out beyond it.
convert "$SCREEN" -crop "$((GX + GW - WIN_X + 10))x$(( (GY + GH > WIN_Y + WIN_H ? GY + GH : WIN_Y + WIN_H) - WIN_Y))+${WIN_X}+${WIN_Y}" \
  +repage "$OUT/en-window-menu.png"
MENU=$OTHER
log "the Session menu: ${GW}x${GH}"
xdotool key Escape
poll 10 menu_closed || fail "Escape did not close the Session menu"
xdotool key ctrl+p
poll 10 other_dialog 300 || fail "Ctrl+P opened no report dialog"
REPORT_DIALOG=$OTHER
sleep 0.3  # the dialog's first paint
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/en-report-dialog.png"
log "Ctrl+P: the report dialog, ${GW}x${GH}"
xdotool key Escape
poll 10 window_closed "$REPORT_DIALOG" || fail "Escape did not close the report dialog"

# ---- the end

require_alive "finishing"
stop_program() {
  kill "$PROGRAM_PID"
  wait "$PROGRAM_PID" 2>/dev/null || true
  PROGRAM_PID=""
}
stop_program
TITLE=$RUSSIAN_TITLE

# ---- scaled screens: the pictures' versions with twice the pixels, the saved picture's size

# start_scaled FACTOR: the program again, on a screen scaled by FACTOR.
start_scaled() {
  QT_SCALE_FACTOR=$1 STRS_LANGUAGE=ru LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$PROGRAM" >"$OUT/program-$1.log" 2>&1 &
  PROGRAM_PID=$!
}
# picture_rmse SCREEN_GEOMETRY PICTURE PICTURE_GEOMETRY: how far a region of the
# screenshot is from a region of a picture.
picture_rmse() {
  convert "$SCREEN" -crop "$1" +repage "$OUT/region.png"
  convert "$2" -crop "$3" +repage "$OUT/reference.png"
  rmse_of "$OUT/region.png" "$OUT/reference.png" "${1%%+*}+0+0"
  rm -f "$OUT/region.png" "$OUT/reference.png"
}

start_scaled 2
poll 20 window_sized "600x*" || fail "no 600 px wide splash at 200 %"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/splash-200.png"
# The splash shows the twice-sized picture pixel for pixel (up to JPEG's loss), not the
# single-sized one stretched.
sharp=$(picture_rmse "600x398+$GX+$GY" "$RESOURCES/splash@2x.jpg" 600x398+30+32)
convert "$RESOURCES/splash.jpg" -filter triangle -resize 200% "$OUT/stretched.jpg"
stretched=$(picture_rmse "600x398+$GX+$GY" "$OUT/stretched.jpg" 600x398+30+32)
rm -f "$OUT/stretched.jpg"
awk -v s="$sharp" -v b="$stretched" 'BEGIN { exit !(s < 0.02 && s < b / 2) }' \
  || fail "the splash at 200 % is not the twice-sized picture (RMSE $sharp; the stretched one: $stretched)"
log "splash at 200 %: ${GW}x${GH}, the twice-sized picture (RMSE $sharp; stretched would be $stretched)"

poll 20 find_main || fail "no main window at 200 %"
window_geometry "$MAIN"
WIN_X=$GX WIN_Y=$GY WIN_W=$GW WIN_H=$GH
[ "${WIN_W}x${WIN_H}" = "1386x958" ] || fail "the main window at 200 % is ${WIN_W}x${WIN_H}"
poll 20 painted || fail "the main window at 200 % was never painted"
crop_window "$SCREEN" "$OUT/window-200-page1.png"
click_in_window $((TAB_X[4] * 2)) $((TAB_Y * 2))
poll 10 window_changed_from "$OUT/window-200-page1.png" || fail "the tab of page 4 did not switch at 200 %"
click_in_window $((BUTTON_X * 2)) $((BUTTON_Y * 2))
legend_sharp() {
  shot "$SCREEN"
  LEGEND_RMSE=$(picture_rmse "248x86+$((WIN_X + 2 * LEGEND_X))+$((WIN_Y + 2 * LEGEND_Y))" "$RESOURCES/legend@2x.jpg" 248x86+0+0)
  awk -v d="$LEGEND_RMSE" 'BEGIN { exit !(d < 0.06) }'
}
poll 10 legend_sharp || fail "the legend at 200 % is not the twice-sized picture (RMSE $LEGEND_RMSE)"
crop_window "$SCREEN" "$OUT/window-200-page4.png"
log "legend at 200 %: the twice-sized picture (RMSE $LEGEND_RMSE)"
SAVED="$OUT/saved-200.jpg"
rm -f "$SAVED"
open_save_dialog $((2 * (LOWER_CHART_X + 100))) $((2 * (LOWER_CHART_Y + 120))) 2
cp "$OUT/dialog.png" "$OUT/dialog-200.png"
xdotool key ctrl+a
xdotool type --delay 20 "$OUT/saved-200"
xdotool key Return
poll 10 test -s "$SAVED" || fail "no file $SAVED at 200 %"
picture=$(identify -format '%m %w %h' "$SAVED" 2>&1) || fail "identify cannot read $SAVED: $picture"
[ "$picture" = "JPEG 409 209" ] || fail "$SAVED is \"$picture\" at 200 %, expected a 409 × 209 JPEG"
log "saved at 200 %: $picture"
stop_program

start_scaled 1.5
poll 20 window_sized "450x*" || fail "no 450 px wide splash at 150 %"
shot "$SCREEN"
convert "$SCREEN" -crop "${GW}x${GH}+${GX}+${GY}" +repage "$OUT/splash-150.png"
poll 20 find_main || fail "no main window at 150 %"
window_geometry "$MAIN"
WIN_X=$GX WIN_Y=$GY WIN_W=$GW WIN_H=$GH
poll 20 painted || fail "the main window at 150 % was never painted"
crop_window "$SCREEN" "$OUT/window-150-page1.png"
log "150 %: splash and window in $OUT/splash-150.png, $OUT/window-150-page1.png"
stop_program
rm -f "$SCREEN"
log "all checks passed in $(($(now_ms) - START_MS)) ms; screenshots in $OUT"
