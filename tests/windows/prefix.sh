#!/usr/bin/env bash
# Makes the fresh Wine prefix the Windows tests share: $1, replaced if it exists. A new prefix has no
# Arial (Wine would draw the stored text font with a serif face), and its dialog faces and its bitmap
# MS Sans Serif drop glyphs ("I", "!") at the dialogs' size, so Arial and MS Sans Serif are mapped to
# Liberation Sans and the dialog faces to DejaVu Sans, the faces of Debian's fonts-liberation and
# fonts-dejavu-core. That is the test prefix's business, not the programs'.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
rm -rf "$WINEPREFIX"
wine wineboot --init >/dev/null 2>&1
for face in Arial 'MS Sans Serif'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'Liberation Sans' /f >/dev/null
done
for face in 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v "$face" \
        /d 'DejaVu Sans' /f >/dev/null
done
wineserver -w
test -d "$WINEPREFIX/drive_c/windows"
