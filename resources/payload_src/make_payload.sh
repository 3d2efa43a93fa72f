#!/bin/sh
# Regenerates the sample payload in ../payload from the sources in this folder
# (except ChnBmp.bin, which is made elsewhere). Needs python3, iconv and
# ImageMagick's convert; the output is kept in the repository, so this only
# runs when a source here changes.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/../payload"
icon="$here/../icon/setup.ico"
text="$here/text"
font=DejaVu-Sans
fontb=DejaVu-Sans-Bold
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

crlf() { sed 's/\r*$/\r/' "$1"; }

# --- code tables -------------------------------------------------------------
python3 "$here/make_tables.py" "$out"

# --- texts -------------------------------------------------------------------
crlf "$text/license_en.txt" > "$out/license_en.txt"
crlf "$text/license_cn.txt" | iconv -f UTF-8 -t GBK > "$out/license_cn.txt"
crlf "$text/QuilleryUI.ini" | iconv -f UTF-8 -t GBK > "$out/QuilleryUI.ini"
crlf "$text/LectorQuillery_Guide.htm" | iconv -f UTF-8 -t GBK > "$out/LectorQuillery_Guide.htm"
crlf "$text/LectorQuillery_Guide_en.htm" > "$out/LectorQuillery_Guide_en.htm"
crlf "$text/Sapi51forKorvo.msi.txt" > "$out/Sapi51forKorvo.msi"

# --- pictures ----------------------------------------------------------------
# JPEGs carry no dates once stripped; PNG time chunks are left out so that a
# rerun gives the same bytes.
jpeg="-strip -sampling-factor 2x2 -quality 85"
png="-strip -define png:exclude-chunks=date,time"

convert "$icon[1]" "$tmp/icon48.png"
convert "$icon[2]" "$tmp/icon16.png"
convert "$icon[1]" -filter point -resize 96x96 "$tmp/icon96.png"

# Toolbar: eleven flat buttons on a 3D-grey strip, as in the guide's list.
convert -size 330x30 xc:'#d4d0c8' \
  -fill '#808080' -draw 'line 0,29 329,29' -fill white -draw 'line 0,0 329,0' \
  -fill '#f0c040' -draw 'polygon 5,10 11,10 13,12 23,12 23,23 5,23' \
  -fill '#3050a0' -draw 'rectangle 34,7 46,23' -fill white -draw 'rectangle 37,7 43,12' \
  -fill white -stroke '#404040' -draw 'rectangle 61,6 70,19' -draw 'rectangle 65,10 74,23' -stroke none \
  -fill '#000080' -font "$fontb" -pointsize 11 -draw "text 91,20 'py'" \
  -draw "text 119,20 'S>T'" -draw "text 149,20 'T>S'" \
  -fill '#008000' -draw 'polygon 183,7 195,15 183,23' \
  -fill '#c00000' -draw 'rectangle 212,9 222,21' \
  -fill black -font "$fontb" -pointsize 15 -draw "text 236,21 'A+'" \
  -pointsize 11 -draw "text 268,21 'A-'" \
  -fill '#0000c0' -pointsize 15 -draw "text 304,21 '?'" \
  -fill '#a0a0a0' -draw 'line 86,5 86,25' -draw 'line 176,5 176,25' -draw 'line 230,5 230,25' \
  $jpeg "$out/TOOLBAR.JPG"

# Title bar and menu bar with the View menu opened.
convert -size 360x150 xc:'#ffffff' \
  -fill '#000080' -draw 'rectangle 0,0 359,19' \
  -fill white -font "$fontb" -pointsize 11 -draw "text 22,14 'LectorQuillery'" \
  -fill '#d4d0c8' -draw 'rectangle 0,20 359,39' \
  -fill black -font "$font" -pointsize 11 \
  -draw "text 6,34 'File'" -draw "text 38,34 'Edit'" \
  -fill '#000080' -draw 'rectangle 70,21 104,38' -fill white -draw "text 74,34 'View'" \
  -fill black -draw "text 112,34 'Convert'" -draw "text 168,34 'Speech'" \
  -draw "text 222,34 'Options'" -draw "text 282,34 'Help'" \
  -fill '#d4d0c8' -stroke '#808080' -draw 'rectangle 70,39 200,136' -stroke none \
  -fill black -draw "text 80,56 'Toolbar'" -draw "text 80,74 'Status Bar'" \
  -draw "text 80,92 'Font...'" -draw "text 80,110 'Show Pinyin'" \
  -draw "text 80,128 'Tone Marks'" -draw "text 160,110 'Ctrl+P'" \
  -fill '#808080' -draw 'line 74,81 196,81' \
  "$tmp/icon16.png" -geometry +3+2 -composite \
  $jpeg "$out/barmenu.JPG"

# A desktop with the program's shortcut among the usual icons.
convert -size 320x240 xc:'#3a6ea5' \
  -fill '#c0c0c0' -draw 'rectangle 18,14 50,40' -fill '#008080' -draw 'rectangle 22,18 46,34' \
  -fill '#808080' -draw 'rectangle 28,40 40,44' \
  -fill '#e0e0e0' -draw 'polygon 24,86 46,86 43,112 27,112' -fill '#a0a0a0' -draw 'rectangle 22,82 48,86' \
  -fill white -font "$font" -pointsize 10 \
  -draw "text 4,58 'My Computer'" -draw "text 6,128 'Recycle Bin'" \
  -draw "text 0,210 'LectorQuillery'" \
  "$tmp/icon48.png" -geometry +10+150 -composite \
  -fill none -stroke white -draw 'rectangle 1,145 66,215' -stroke none \
  -fill '#d4d0c8' -draw 'rectangle 0,222 319,239' \
  -fill black -font "$fontb" -draw "text 6,235 'Start'" \
  $jpeg "$out/Desktop.JPG"

# The notification area of the taskbar with the program's icon.
convert -size 200x30 xc:'#d4d0c8' \
  -fill white -draw 'line 0,0 199,0' \
  -fill none -stroke '#808080' -draw 'rectangle 82,4 196,25' -stroke none \
  -fill '#e8e8e8' -stroke '#808080' -draw 'rectangle 2,3 76,26' -stroke none \
  "$tmp/icon16.png" -geometry +5+7 -composite \
  -fill black -font "$font" -pointsize 10 -draw "text 24,19 'Lector...'" \
  -fill '#008000' -draw 'rectangle 88,8 101,21' \
  -fill '#c0c000' -draw 'circle 116,15 121,15' \
  "$tmp/icon16.png" -geometry +129+7 -composite \
  -fill black -font "$font" -pointsize 11 -draw "text 158,19 '10:24'" \
  -fill none -stroke '#000080' -draw 'rectangle 127,5 146,24' -stroke none \
  $jpeg "$out/taskicon.JPG"

# Welcome picture for the first page of setup and of the guide.
convert -size 400x240 gradient:'#000060'-'#3060c0' \
  "$tmp/icon96.png" -geometry +24+72 -composite \
  -fill white -font "$fontb" -pointsize 24 -draw "text 140,110 'LectorQuillery'" \
  -font "$font" -pointsize 13 -draw "text 142,136 'Read Chinese with pinyin,'" \
  -draw "text 142,154 'conversion and speech.'" \
  -fill '#c0d0ff' -pointsize 11 -draw "text 142,210 'Korvo'" \
  $jpeg "$out/welcome_lectorquillery.JPG"

# The control menu that opens from the taskbar icon.
convert -size 170x132 xc:'#d4d0c8' \
  -fill none -stroke '#808080' -draw 'rectangle 0,0 169,131' -stroke none \
  -fill '#000080' -draw 'rectangle 3,3 166,20' \
  -fill white -font "$fontb" -pointsize 11 -draw "text 22,16 'Show Window'" \
  -fill black -font "$font" -draw "text 22,36 'Clipboard Reader'" \
  -draw "text 9,36 'v'" -draw "text 22,56 'Interface Language'" -draw "text 156,56 '>'" \
  -draw "text 22,76 'Read Aloud'" -draw "text 22,104 'About...'" -draw "text 22,124 'Exit'" \
  -fill '#808080' -draw 'line 6,86 163,86' \
  +dither -colors 16 $png PNG8:"$out/ctrlmenu.PNG"
