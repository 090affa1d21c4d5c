#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: the files it holds, its declared
# dependencies, and that the programs from it start.
set -uo pipefail
build=$1
source "$(dirname "$0")/../e2e/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1)
check "cpack builds the package" 0 "$?"
deb=$(ls "$work"/out/veltrane_*_*.deb 2>/dev/null | head -n 1)
check_true "package file is named veltrane_<version>_<arch>.deb" test -n "$deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/Pellmora ./usr/bin/Quindle ./usr/share/veltrane/ReadMe.rtf \
         ./usr/share/veltrane/help/screensaver-settings.html ./usr/share/veltrane/help/desktop-settings.html \
         ./usr/share/applications/veltrane-quindle.desktop ./usr/share/applications/veltrane-pellmora-settings.desktop \
         ./usr/share/icons/hicolor/scalable/apps/veltrane-quindle.svg; do
    check_true "package holds $f" grep -qx -- "$f" <<<"$contents"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
    check_true "package depends on $d" grep -q "$d" <<<"$depends"
done
check "settings menu entry starts the settings dialog" "Exec=Pellmora /c" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/veltrane-pellmora-settings.desktop | grep ^Exec=)"

# The programs as installed, unpacked into a folder of their own.
dpkg-deb -x "$deb" "$work/root"
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/QVX"
printf '[Common]\nDate=2025-07-13\n' >"$XDG_CONFIG_HOME/QVX/Veltrane.ini"
check "Quindle --version from the package" "Quindle 3.0" "$("$work/root/usr/bin/Quindle" --version)"
check "Pellmora --version from the package" "Pellmora 3.0" "$("$work/root/usr/bin/Pellmora" --version)"
check "Quindle --print from the package" "Main Title Text (Change this!!) 1 year  2 months  3 days!" \
    "$(faketime '2024-05-10 12:00:00' "$work/root/usr/bin/Quindle" --print)"
check "Pellmora --print from the package" $'Main Title Text (Change this!!)\n 1 year  2 months  3 days!' \
    "$(faketime '2024-05-10 12:00:00' "$work/root/usr/bin/Pellmora" --print)"

# apt can satisfy the dependencies (a simulated install; needs the package lists).
if compgen -G "/var/lib/apt/lists/*Packages*" >/dev/null; then
    apt-get install -s "$deb" >"$work/apt.log" 2>&1
    check "apt install of the package resolves its dependencies" 0 "$?"
else
    echo "skip apt simulation: no package lists (run apt-get update)"
fi
finish
