# shellcheck shell=bash
# Small helpers for driving the program in an X server with xdotool and reading its
# pixels with ImageMagick. Sourced by tests/e2e/session.sh; expects $OUT to be set.

now_ms() { date +%s%3N; }

# Each line carries the time since the session started.
log() { printf 'e2e: [%5.1f s] %s\n' "$(( $(now_ms) - START_MS ))e-3" "$*"; }

# Stops the run with a message; the session may define on_failure to keep evidence.
fail() {
  printf 'e2e: FAILED: %s\n' "$*" >&2
  if declare -F on_failure >/dev/null; then
    on_failure || true
  fi
  exit 1
}

# poll TIMEOUT_SECONDS COMMAND...: runs COMMAND until it succeeds or the time is up.
# Polling instead of fixed sleeps keeps the run short on an idle machine and still
# patient on a loaded one.
poll() {
  local timeout=$1
  shift
  local deadline=$(($(now_ms) + timeout * 1000))
  while true; do
    if "$@"; then
      return 0
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      return 1
    fi
    sleep 0.1
  done
}

# Full-screen screenshot; the file's ending picks the format.
shot() { import -window root "$1"; }

# window_changed_from PNG: the main window's client area no longer looks like PNG (a crop
# of it taken before), so what an action set off has been drawn.
window_changed_from() {
  shot "$SCREEN"
  crop_window "$SCREEN" "$OUT/window-now.png"
  awk -v d="$(rmse_of "$1" "$OUT/window-now.png" "${WIN_W}x${WIN_H}+0+0")" 'BEGIN { exit !(d > 0.005) }'
}

# windows_more_than N: more than N of the program's windows are mapped (a popup is open).
windows_more_than() { [ "$(visible_windows | wc -l)" -gt "$1" ]; }
windows_at_most() { [ "$(visible_windows | wc -l)" -le "$1" ]; }

# crop_window SCREENSHOT OUT_PNG: cuts the main window's client area out of a screenshot.
crop_window() { convert "$1" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$2"; }

# count_colour PICTURE X Y W H COLOUR FUZZ: how many pixels of the region lie within FUZZ
# of COLOUR. Everything else is painted black and the matches white, so the mean of the
# region times its area is the count.
count_colour() {
  local picture=$1 x=$2 y=$3 w=$4 h=$5 colour=$6 fuzz=$7
  convert "$picture" -crop "${w}x${h}+${x}+${y}" +repage -alpha off -fuzz "$fuzz" \
    -fill black +opaque "$colour" -fill white -opaque "$colour" \
    -colorspace Gray -format '%[fx:round(mean*w*h)]' info:
}

# rmse_of A B GEOMETRY: the normalised RMS difference (0..1) of two pictures in a region.
rmse_of() {
  local a b
  a=$(mktemp --suffix=.png) b=$(mktemp --suffix=.png)
  convert "$1" -crop "$3" +repage -alpha off "$a"
  convert "$2" -crop "$3" +repage -alpha off "$b"
  # compare's status says only whether the pictures differ; its metric goes to stderr.
  compare -metric RMSE "$a" "$b" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' || true
  rm -f "$a" "$b"
}

# The program's windows that are mapped right now (all share its class).
visible_windows() { xdotool search --onlyvisible --class strs-workbench 2>/dev/null || true; }

# looks_like_splash PNG: the splash picture is a light-brown card, red above green above
# blue, all well apart, which neither the black desktop nor a grey window nor a chart
# gives. Leaves the mean red, green and blue in SPLASH_MEANS.
looks_like_splash() {
  SPLASH_MEANS=$(convert "$1" -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:)
  awk -v s="$SPLASH_MEANS" 'BEGIN { split(s, m, " "); exit !(m[1] - m[3] > 0.15 && m[2] - m[3] > 0.08) }'
}

# window_titled TITLE: prints the program's visible window with that caption; fails when
# there is none. xdotool's --name matching reads the legacy WM_NAME, which Qt fills with
# the UTF-8 bytes under a Latin-1 label, so getwindowname (_NET_WM_NAME) is compared.
window_titled() {
  local w
  for w in $(visible_windows); do
    if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# window_geometry ID: sets GX GY GW GH; fails when the window has gone meanwhile.
# shellcheck disable=SC2034  # SCREEN and WINDOW come from xdotool's output; G* are for the caller
window_geometry() {
  local shell X="" Y="" WIDTH="" HEIGHT="" SCREEN WINDOW
  shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
  eval "$shell"
  [ -n "$WIDTH" ] || return 1
  GX=$X GY=$Y GW=$WIDTH GH=$HEIGHT
}

# has_focus ID: the window holds the keyboard focus (no window manager hands it out, so
# the program's own activation or xdotool's windowfocus sets it).
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Clicks at a point given relative to the main window's client area.
click_in_window() {
  local x=$1 y=$2 button=${3:-1}
  xdotool mousemove --window "$MAIN" "$x" "$y"
  sleep 0.1
  xdotool click "$button"
}

program_alive() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

require_alive() {
  program_alive || fail "the program ended unexpectedly while $1 (log: $OUT/program.log)"
}
