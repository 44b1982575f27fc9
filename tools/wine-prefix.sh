# Sourced by the Windows checks: a fresh Wine prefix in folder $1, Japanese as
# a Japanese Windows has it (ANSI code page 932), with the window font's
# names standing for the system's Japanese font, and this shell's Wine
# pointed at it. The caller removes the folder (and ends wineserver).
wine_work=$1
export WINEPREFIX=$wine_work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The Japanese locale from glibc's sources, kept beside the prefix: no
# system locale is needed or changed.
mkdir -p "$wine_work/locale"
localedef -i ja_JP -f UTF-8 "$wine_work/locale/ja_JP.UTF-8" 2>/dev/null || true
export LOCPATH=$wine_work/locale
# This shell warns that it cannot load it itself; the Wine it starts can.
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
wineboot --init >/dev/null 2>&1
for face in "ＭＳ Ｐゴシック" "MS PGothic" "ＭＳ ゴシック" "MS Gothic" "MS UI Gothic"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Noto Sans CJK JP" /f >/dev/null
done
# Qt's offscreen platform reads its fonts from a folder of its own.
export QT_QPA_FONTDIR='Z:\usr\share\fonts\opentype\noto'
