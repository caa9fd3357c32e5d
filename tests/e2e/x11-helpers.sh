# Helpers of the end-to-end run: waiting, clicking, reading the screen.
# Sourced by run-e2e.sh, which sets DISPLAY, OUT (the artefact folder) and
# SOURCE (the source tree) first.

STEP="启动"

fail()
{
  echo "端到端测试失败，步骤「$STEP」：$*" >&2
  if [ -n "${VELMORA_PID:-}" ] && ! kill -0 "$VELMORA_PID" 2>/dev/null; then
    echo "velmora 已经退出，输出见 $OUT/velmora.log" >&2
  fi
  shot "failed" || true
  exit 1
}

step()
{
  STEP="$1"
  echo "== $(date -u +%T) $STEP"
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.2 s until it succeeds.
wait_until()
{
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | sed -n 1p; }
has_window() { [ -n "$(visible_window "$1")" ]; }
no_window() { [ -z "$(visible_window "$1")" ]; }

# wait_window TITLE: the id of the visible window called TITLE, once the
# window manager has placed it (its position stays put for two reads).
wait_window()
{
  wait_until 15 has_window "$1" || fail "窗口「$1」没有出现"
  local id last="" now
  id=$(visible_window "$1")
  for _ in $(seq 25); do
    now=$(xdotool getwindowgeometry "$id" 2>/dev/null | tr '\n' ' ')
    [ "$now" = "$last" ] && break
    last=$now
    sleep 0.2
  done
  echo "$id"
}

wait_gone() { wait_until 15 no_window "$1" || fail "窗口「$1」没有关闭"; }

# Window-relative origin of a window, as "X Y".
window_origin()
{
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}

click_at()
{
  xdotool mousemove "$1" "$2"
  sleep 0.15
  xdotool click "${3:-1}"
  sleep 0.15
}

# click_in WINDOW DX DY: a click at a point of a window's client area.
click_in()
{
  local origin
  read -r -a origin <<<"$(window_origin "$1")"
  click_at $((origin[0] + $2)) $((origin[1] + $3))
}

shot()
{
  import -window root "$OUT/$1.png"
}

# ocr IMAGE GEOMETRY [CONVERT OPTIONS...]: the text tesseract reads in a
# part of a screenshot, enlarged, as one block of G-code-like text.
ocr()
{
  local image=$1 geometry=$2 crop="$OUT/.ocr-$$.png"
  shift 2
  [ $# -gt 0 ] || set -- -resize 300%
  convert "$image" -crop "$geometry" +repage -colorspace Gray "$@" "$crop"
  tesseract "$crop" - --psm 6 -c tessedit_char_whitelist='GMXZSF0123456789.- ' 2>/dev/null |
    tr -s ' \n' ' ' | sed 's/ *$//'
  rm -f "$crop"
}

# ocr_readings IMAGE GEOMETRY [CONVERT OPTIONS...]: what the part reads in
# a few enlargements, one line each; small text loses a character now and
# then in one of them, seldom in all.
ocr_readings()
{
  local image=$1 geometry=$2 scale
  shift 2
  for scale in 300% 400% 250%; do
    ocr "$image" "$geometry" -resize $scale "$@"
    echo
  done
  ocr "$image" "$geometry" -resize 300% -threshold 50% "$@"
  echo
}

# ocr_reads IMAGE GEOMETRY TEXT [CONVERT OPTIONS...]: whether one of the
# readings is TEXT.
ocr_reads()
{
  local image=$1 geometry=$2 text=$3
  shift 3
  ocr_readings "$image" "$geometry" "$@" | grep -xF -- "$text" >/dev/null
}

# Number of pixels of a part of a screenshot close to a colour.
count_colour()
{
  convert "$1" -crop "$2" +repage -fuzz "$4" -fill black +opaque "$3" \
    -fill white -opaque "$3" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Centre of operator panel key ID in panel pixels, read from the key table
# so that the run follows the artwork when keys move.
panel_key_centre()
{
  awk -v id="$1" '
    function nums(line, out,   s, n) {
      s = line; sub(/^[^{]*\{/, "", s); sub(/\}.*$/, "", s)
      return split(s, out, /, */)
    }
    /kColL\[\] =/ { nums($0, cl) }
    /kColR\[\] =/ { nums($0, cr) }
    /kRowT\[\] =/ { nums($0, rt) }
    /kRowB\[\] =/ { nums($0, rb) }
    $0 ~ "Ch\\(" id ", " {
      split($0, f, /[(,]/); r = f[3] + 0; c = f[4] + 0
      print int((cl[c] + cr[c]) / 2), int((rt[r] + rb[r]) / 2); found = 1; exit
    }
    $0 ~ "\\{" id ", \\{" {
      s = $0; sub(/^[^{]*\{[0-9]+, \{/, "", s); split(s, p, /[,}] */)
      print int((p[1] + p[3]) / 2), int((p[2] + p[4]) / 2); found = 1; exit
    }
    END { if (!found) exit 1 }
  ' "$SOURCE/panel/PanelKeys.cpp"
}

# The keypad key that types CHARACTER without SHIFT.
keypad_key_for()
{
  awk -F"'" -v ch="$1" '/^ *Ch\(/ && $2 == ch { sub(/^ *Ch\(/, ""); sub(/,.*/, ""); print; exit }' \
    "$SOURCE/panel/PanelKeys.cpp"
}
