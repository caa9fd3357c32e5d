#!/usr/bin/env bash
# Drives the real velmora program as a user would, through window-system
# input on a virtual display of its own: opens a sample program, sets up the
# lathe, machines the program to M02, runs it again under feed hold, single
# block and E-STOP, edits and saves a statement, and closes with unsaved
# edits. Screenshots of the steps are kept in OUT.
# Usage: tests/e2e/run-e2e.sh BUILD_DIR [OUT]
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:?usage: run-e2e.sh BUILD_DIR [OUT]}" && pwd)
OUT=${2:-$BUILD/e2e}
VELMORA=$BUILD/app/velmora
PROGRAM_NAME=02-arcs.txt
APP_TITLE=数控机床虚拟仿真软件
# Where the main window's operator panel starts on a 1920 x 1080 screen
# with the window maximised, and how far its cabinet is scaled down to fit
# the pane (PANEL_SHOWN of the artwork's 656 pixels); checked against the
# artwork below. The editor starts EDITOR_SHIFT right of where a third of
# the width would put it, the 3D view taking 41 %.
EDITOR_SHIFT=$((1920 * 41 / 100 - 640))
PANEL_X=$((1295 + EDITOR_SHIFT))
PANEL_Y=84
PANEL_SHOWN=$((1920 - PANEL_X))
# panel_at N: a length N of the panel's artwork as drawn on the screen.
panel_at() { echo $((($1 * PANEL_SHOWN + 328) / 656)); }

# shellcheck source=tests/e2e/x11-helpers.sh
source "$SOURCE/tests/e2e/x11-helpers.sh"

for tool in Xvfb openbox xdotool import convert tesseract; do
  command -v "$tool" >/dev/null || { echo "端到端测试需要 $tool（bash scripts/install-deps.sh）" >&2; exit 1; }
done
[ -x "$VELMORA" ] || { echo "找不到 $VELMORA" >&2; exit 1; }

rm -rf "$OUT"
mkdir -p "$OUT"
TMP=$(mktemp -d)
PIDS=()
cleanup()
{
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
    kill "${PIDS[i]}" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# --- a display, a window manager and the program, all our own -------------
step "启动虚拟显示"
exec {displayfd}>"$TMP/display"
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
PIDS+=($!)
wait_until 15 test -s "$TMP/display" || fail "Xvfb 没有报告显示号"
exec {displayfd}>&-
export DISPLAY=":$(head -n1 "$TMP/display")"
mkdir -p "$TMP/home" "$TMP/work" "$TMP/runtime"
chmod 700 "$TMP/runtime"
export HOME=$TMP/home XDG_CONFIG_HOME=$TMP/home/.config XDG_RUNTIME_DIR=$TMP/runtime
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
openbox >"$OUT/openbox.log" 2>&1 &
PIDS+=($!)
wait_until 15 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox 没有启动"

PROGRAM=$TMP/work/$PROGRAM_NAME
cp "$SOURCE/resources/programs/$PROGRAM_NAME" "$PROGRAM"
step "启动 velmora"
(cd "$TMP/work" && exec "$VELMORA") >"$OUT/velmora.log" 2>&1 &
VELMORA_PID=$!
PIDS+=("$VELMORA_PID")
MAIN=$(wait_window "$APP_TITLE")
main_is_maximised() { [ "$(xdotool getwindowgeometry "$MAIN" | awk '/Geometry/ {print $2}' | cut -dx -f1)" = 1920 ]; }
wait_until 15 main_is_maximised || fail "主窗口没有最大化"
sleep 1
shot 01-started
# The panel's O key must sit where the key table puts it: a light key face
# at its centre, the dark keypad frame just left of it.
read -r kx ky <<<"$(panel_key_centre 105)"
face=$(count_colour "$OUT/01-started.png" "1x1+$((PANEL_X + $(panel_at $kx)))+$((PANEL_Y + $(panel_at $ky)))" white 25%)
frame=$(count_colour "$OUT/01-started.png" "1x1+$((PANEL_X + $(panel_at 408)))+$((PANEL_Y + $(panel_at $ky)))" white 25%)
[ "$face" = 1 ] && [ "$frame" = 0 ] || fail "操作面板不在预期的位置 ($PANEL_X, $PANEL_Y)"

panel_key()
{
  local x y
  read -r x y <<<"$(panel_key_centre "$1")" || fail "面板按键 $1 不在按键表中"
  click_at $((PANEL_X + $(panel_at "$x"))) $((PANEL_Y + $(panel_at "$y")))
}

keypad_type()
{
  local text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    panel_key "$(keypad_key_for "${text:i:1}")"
  done
}

# A menu that is open is a window of the program's own besides the main one.
program_windows() { xdotool search --onlyvisible --class velmora 2>/dev/null || true; }
popup_open() { [ -n "$(program_windows | grep -vx "$MAIN")" ]; }
wait_popup() { wait_until 10 popup_open || fail "菜单没有打开"; }

# menu_keys X KEY...: opens the menu-bar entry at X and types the keys that
# pick an entry.
menu_keys()
{
  click_at "$1" 29
  shift
  wait_popup
  local popup
  popup=$(program_windows | grep -vx "$MAIN" | sed -n 1p)
  xdotool key "$@"
  popup_gone() { ! program_windows | grep -x "$popup" >/dev/null; }
  wait_until 10 popup_gone || fail "菜单没有关闭"
}

# menu X ITEM: opens the menu-bar entry at X and picks its ITEMth entry.
menu()
{
  local i keys=()
  for ((i = 0; i < $2; i++)); do keys+=(Down); done
  menu_keys "$1" "${keys[@]}" Return
}
MENU_FILE=24
MENU_STOCK=323
MENU_TOOL=365
MENU_SIMULATE=406
VIEW_X=400
VIEW_Y=600

title() { xdotool getwindowname "$MAIN"; }
title_is() { [ "$(title)" = "$1" ]; }

# --- open the sample through the menu and the file dialog -----------------
step "打开示例程序"
xdotool windowactivate --sync "$MAIN"
xdotool key ctrl+o
DIALOG=$(wait_window "打开")
xdotool type --delay 10 "$PROGRAM"
xdotool key Return
wait_until 15 title_is "$APP_TITLE - $PROGRAM_NAME" || fail "标题是「$(title)」"
sleep 0.5
shot 02-opened

# --- set up the lathe --------------------------------------------------------
step "松开毛坯"
click_at $VIEW_X $VIEW_Y
menu $MENU_STOCK 2
step "毛坯尺寸设置"
menu $MENU_STOCK 1
DIALOG=$(wait_window "毛坯参数设置")
xdotool key ctrl+a
xdotool type 200
xdotool key Tab ctrl+a
xdotool type 60
shot 03-stock-size
xdotool key Return
wait_gone "毛坯参数设置"
step "夹紧毛坯"
menu $MENU_STOCK 3

step "刀具选择"
menu $MENU_TOOL 1
DIALOG=$(wait_window "刀具库")
click_in "$DIALOG" 40 27      # row 1
click_in "$DIALOG" 178 265    # 添加到刀架, under the stations
shot 04-tool-library
click_in "$DIALOG" 406 265    # 确认
wait_gone "刀具库"

# Started before the reference return, the run stops with a warning box
# that does not block the window.
step "未回参考点时开始"
click_at $VIEW_X $VIEW_Y
menu $MENU_SIMULATE 1
BOX="^$APP_TITLE\$"
WARNING=$(wait_window "$BOX")
shot 05-not-referenced
xdotool windowactivate --sync "$WARNING" key Return
wait_gone "$BOX"

step "回参考点与点动"
panel_key 155   # REF
panel_key 135   # +X
panel_key 133   # +Z
shot 05-ready

# --- machine the program -------------------------------------------------
STATUS_PANE=480x22+158+1058
VIEW_AREA=640x980+0+85
YELLOW='rgb(255,255,0)'
yellow_before=$(count_colour "$OUT/05-ready.png" $VIEW_AREA $YELLOW 30%)
status_text() { shot .status; ocr "$OUT/.status.png" $STATUS_PANE; }
# Keeps the first picture that shows a move under way.
status_is_end()
{
  local text
  text=$(status_text)
  [[ "$text" == G0* ]] && [ ! -e "$OUT/06-running.png" ] && cp "$OUT/.status.png" "$OUT/06-running.png"
  [ "$text" = M02 ] || { [[ "$text" == M* ]] && ocr_reads "$OUT/.status.png" $STATUS_PANE M02; }
}
step "开始仿真"
click_at $VIEW_X $VIEW_Y
menu $MENU_SIMULATE 1
wait_until 240 status_is_end || fail "状态栏没有显示 M02，最后读到「$(status_text)」"
rm -f "$OUT/.status.png"
sleep 0.5
shot 06-machined
POSITION_AREA=$(panel_at 260)x$(panel_at 120)+$((PANEL_X + $(panel_at 69)))+$((PANEL_Y + $(panel_at 114)))
ocr_reads "$OUT/06-machined.png" $POSITION_AREA "X 0.000 Z 0.000" -negate ||
  fail "位置显示是「$(ocr "$OUT/06-machined.png" $POSITION_AREA -resize 300% -negate)」，刀具没有回到原点"
yellow_after=$(count_colour "$OUT/06-machined.png" $VIEW_AREA $YELLOW 30%)
[ "$yellow_after" -ge $((yellow_before + 50)) ] ||
  fail "三维视图里没有看到黄色的已加工部分（黄色像素 $yellow_before → $yellow_after）"
[ -e "$OUT/06-running.png" ] || fail "仿真过程中状态栏没有显示过移动语句"
ocr_readings "$OUT/06-running.png" $POSITION_AREA -negate | grep -v -x "X 0.000 Z 0.000" |
  grep -E '^X -?[0-9]+\.[0-9]{3} Z -?[0-9]+\.[0-9]{3}$' >/dev/null ||
  fail "加工中位置显示是「$(ocr "$OUT/06-running.png" $POSITION_AREA -resize 300% -negate)」"

# --- the part drawing of the machined part, exported and read back --------
step "导出零件图"
DRAWING=$TMP/part.svg
menu $MENU_FILE 6
wait_window 另存为 >/dev/null
xdotool type --delay 10 "$DRAWING"
xdotool key Return
drawing_written() { [ -s "$DRAWING" ] && grep -q '</svg>' "$DRAWING"; }
wait_until 15 drawing_written || fail "零件图没有导出到 $DRAWING"
cp "$DRAWING" "$OUT/part.svg"
grep -q 'viewBox' "$DRAWING" && grep -q 'Φ[0-9]*\.[0-9][0-9]' "$DRAWING" ||
  fail "导出的零件图里没有直径尺寸"

# --- run control: hold, single block, E-STOP, reset, and a run to the end --
# Keys are the underlined letters of the 仿真 menu's entries.
START_KEY=c HOLD_KEY=h SINGLE_BLOCK_KEY=b RESET_KEY=r
HIGHLIGHT='rgb(48,140,198)'
position_of() { convert "$OUT/$1.png" -crop $POSITION_AREA +repage -format '%#' info:; }
# The statement table's row painted in the selection's blue, 0 for none.
selected_row()
{
  local format="" n
  for ((n = 1; n <= 12; n++)); do format+="%[pixel:p{$((800 + EDITOR_SHIFT)),$((118 + (n - 1) * 22))}] "; done
  convert "$OUT/$1.png" -format "$format" info: | tr ' ' '\n' |
    awk -v blue="$(convert xc:"$HIGHLIGHT" -format '%[pixel:p{0,0}]' info:)" '$0 == blue { print NR; found = 1; exit } END { if (!found) print 0 }'
}
row_selected() { shot .row; [ "$(selected_row .row)" = "$1" ]; }
moving() { shot .a; sleep 0.3; shot .b; [ "$(position_of .a)" != "$(position_of .b)" ]; }

step "循环启动与进给保持"
menu_keys $MENU_SIMULATE $START_KEY
wait_until 15 moving || fail "循环启动后位置显示没有变化"
menu_keys $MENU_SIMULATE $HOLD_KEY
sleep 0.5
shot 06a-held
sleep 1
shot .held-later
[ "$(position_of 06a-held)" = "$(position_of .held-later)" ] || fail "进给保持后位置显示还在变化"
held_row=$(selected_row 06a-held)
[ "$held_row" -gt 0 ] || fail "进给保持时编辑器里没有选中正在执行的语句"

step "单段"
# Faster from here on: ×10, the last entry but one (Up starts from the end).
menu_keys $MENU_SIMULATE Up Up Return
menu_keys $MENU_SIMULATE $SINGLE_BLOCK_KEY
for next in $((held_row + 1)) $((held_row + 2)); do
  menu_keys $MENU_SIMULATE $START_KEY
  wait_until 15 row_selected $next || fail "单段循环启动后选中第 $(selected_row .row) 行，应为第 $next 行"
  sleep 1
  row_selected $next || fail "单段方式下一次循环启动执行了不止一段（到了第 $(selected_row .row) 行）"
done
cp "$OUT/.row.png" "$OUT/06b-single-block.png"

step "急停与复位"
panel_key 141   # 急停
WARNING=$(wait_window "$BOX")
shot 06c-emergency-stop
xdotool windowactivate --sync "$WARNING" key Return
wait_gone "$BOX"
menu_keys $MENU_SIMULATE $RESET_KEY
menu_keys $MENU_SIMULATE $SINGLE_BLOCK_KEY

step "复位后重新加工到 M02"
menu_keys $MENU_SIMULATE Up Return   # ×50, the last entry
menu_keys $MENU_SIMULATE $START_KEY
wait_until 120 status_is_end || fail "状态栏没有显示 M02，最后读到「$(status_text)」"
rm -f "$OUT"/.*.png
sleep 0.5
shot 06d-machined-again
ocr_reads "$OUT/06d-machined-again.png" $POSITION_AREA "X 0.000 Z 0.000" -negate ||
  fail "位置显示是「$(ocr "$OUT/06d-machined-again.png" $POSITION_AREA -resize 300% -negate)」，刀具没有回到原点"

# --- tool compensation: edit a cell in place and drop the edit ------------
step "刀具补偿"
click_at $((PANEL_X + $(panel_at 150))) $((PANEL_Y + $(panel_at 665))) 3
wait_popup
shot 07-popup
xdotool key t
DIALOG=$(wait_window "刀具补偿")
shot 08-compensation
read -r dx dy <<<"$(window_origin "$DIALOG")"
cell_text() { shot "$1"; ocr "$OUT/$1.png" 76x18+$((dx + 92))+$((dy + 16)); }
cell_is() { shot "$1"; ocr_reads "$OUT/$1.png" 76x18+$((dx + 92))+$((dy + 16)) "$2"; }
cell_is 08-compensation 0.000 || fail "第一行的 X 不是 0.000（读到「$(cell_text 08-compensation)」）"
click_in "$DIALOG" 129 23
xdotool type 1.5
sleep 0.3
typed=$(cell_text 09-compensation-editing)
[ "$typed" != 0.000 ] || fail "单元格里看不到输入的文字"
xdotool key Escape
sleep 0.3
has_window "刀具补偿" || fail "Esc 关闭了整个对话框，而不只是放弃编辑"
cell_is 10-compensation-dropped 0.000 ||
  fail "Esc 之后单元格是「$(cell_text 10-compensation-dropped)」，不是原来的 0.000"
xdotool key Escape
wait_gone "刀具补偿"

# --- a statement typed on the panel's keypad, inserted, saved, reopened ---
EDIT_NAME=01-rapid-and-feed.txt
EDIT_PROGRAM=$TMP/work/$EDIT_NAME
cp "$SOURCE/resources/programs/$EDIT_NAME" "$EDIT_PROGRAM"
FIELD_Y=1042
FIELD_LINE=$((670 + EDITOR_SHIFT))
FIELD_CODE=$((733 + EDITOR_SHIFT))
FIELD_X=$((925 + EDITOR_SHIFT))
FIELD_Z=$((1000 + EDITOR_SHIFT))
FIELD_F=$((1234 + EDITOR_SHIFT))
row_text() { shot "$2"; ocr "$OUT/$2.png" 640x20+$((648 + EDITOR_SHIFT))+$((108 + ($1 - 1) * 22)); }
row_is() { shot "$3"; ocr_reads "$OUT/$3.png" 640x20+$((648 + EDITOR_SHIFT))+$((108 + ($1 - 1) * 22)) "$2"; }
# wait_row N TEXT SHOT: waits until row N of the statement table reads TEXT.
wait_row()
{
  wait_until 10 row_is "$@" || fail "第 $1 行是「$(row_text "$1" "$3")」，应为「$2」"
}

open_program()
{
  xdotool windowactivate --sync "$MAIN"
  xdotool key ctrl+o
  wait_window "打开" >/dev/null
  xdotool type --delay 10 "$1"
  xdotool key Return
  wait_until 15 title_is "$APP_TITLE - ${1##*/}" || fail "标题是「$(title)」"
  sleep 0.5
}

# keypad_field X TEXT: empties the field at X with the keyboard, then types
# TEXT on the operator panel's keypad.
keypad_field()
{
  click_at "$1" $FIELD_Y
  xdotool key ctrl+a BackSpace
  keypad_type "$2"
}

choose_code()
{
  click_at $FIELD_CODE $FIELD_Y
  sleep 0.3
  xdotool type "$1"
  xdotool key Return
  sleep 0.2
}

step "打开要编辑的程序"
open_program "$EDIT_PROGRAM"
step "用面板键盘输入语句并插入"
choose_code G01
keypad_field $FIELD_LINE 8
keypad_field $FIELD_X X25
keypad_field $FIELD_Z Z-40
keypad_field $FIELD_F F0.1
shot 11-typed
panel_key 130   # INSERT
# Line 8 is taken: the program asks whether to insert in front of it.
wait_window "$BOX" >/dev/null
shot 12-insert-question
xdotool key Return
wait_gone "$BOX"
wait_row 8 "8 G01 X25 Z-40 F0.1" 13-inserted
wait_row 9 "9 M02" 13-inserted

# save_over: the save command asks for the name, offering the program's
# own; keeping it means answering the file dialog's overwrite question.
save_over()
{
  local dialog=另存为
  wait_window "$dialog" >/dev/null
  shot "$1"
  xdotool key Return
  two_boxes() { [ "$(xdotool search --onlyvisible --name "^$dialog\$" | wc -l)" -ge 2 ]; }
  wait_until 10 two_boxes || fail "没有出现覆盖文件的询问"
  xdotool key y
  wait_gone "$dialog"
}

step "保存"
xdotool key ctrl+s
save_over 14-save-as
wait_until 15 title_is "$EDIT_NAME - $APP_TITLE" || fail "保存后标题是「$(title)」"
shot 15-saved
cp "$EDIT_PROGRAM" "$OUT/saved-$EDIT_NAME"
[ "$(sed -n '9,10p' "$EDIT_PROGRAM" | tr -d '\r' | tr '\n' ' ')" = "G01X25Z-40F0.1 M02 " ] ||
  fail "保存的文件第 9、10 行不对：$(sed -n '9,10p' "$EDIT_PROGRAM" | tr '\n' ' ')"

step "重新打开"
open_program "$EDIT_PROGRAM"
wait_row 8 "8 G01 X25 Z-40 F0.1" 16-reopened
wait_row 9 "9 M02" 16-reopened

# --- close with an unsaved edit and keep it --------------------------------
step "未保存时关闭"
choose_code G00
keypad_field $FIELD_LINE 10
keypad_field $FIELD_X X50
keypad_field $FIELD_Z Z50
panel_key 130   # INSERT
wait_row 10 "10 G00 X50 Z50" 17-unsaved
xdotool windowactivate --sync "$MAIN"
xdotool key alt+F4
wait_window "$BOX" >/dev/null
shot 18-save-question
xdotool key y
save_over 19-save-as-on-close
velmora_gone() { ! kill -0 "$VELMORA_PID" 2>/dev/null; }
wait_until 15 velmora_gone || fail "velmora 没有退出"
status=0
wait "$VELMORA_PID" || status=$?
[ "$status" = 0 ] || fail "velmora 退出码是 $status"
[ "$(tail -n 2 "$EDIT_PROGRAM" | tr -d '\r' | tr '\n' ' ')" = "M02 G00X50Z50 " ] ||
  fail "关闭时保存的文件末尾不对：$(tail -n 2 "$EDIT_PROGRAM" | tr '\n' ' ')"
# Built with the sanitizers, the program reports what it did wrong on the
# way, even when it ends well.
! grep -E "runtime error|ERROR: AddressSanitizer" "$OUT/velmora.log" ||
  fail "velmora 的输出里有错误报告（$OUT/velmora.log）"
echo "端到端测试通过（${SECONDS} 秒），截图在 $OUT"
