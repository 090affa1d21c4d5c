#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: the files it holds, its declared
# dependencies, lintian's verdict, its manual pages, AppStream and xscreensaver files, and that the
# programs from it start.
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
         ./usr/share/icons/hicolor/scalable/apps/veltrane-quindle.svg \
         ./usr/share/man/man1/Quindle.1.gz ./usr/share/man/man1/Pellmora.1.gz \
         ./usr/share/doc/veltrane/copyright ./usr/share/doc/veltrane/changelog.gz \
         ./usr/share/metainfo/example.tarnwick.Quindle.metainfo.xml ./usr/share/xscreensaver/config/Pellmora.xml; do
    check_true "package holds $f" grep -qx -- "$f" <<<"$contents"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
    check_true "package depends on $d" grep -q "$d" <<<"$depends"
done
check "settings menu entry starts the settings dialog" "Exec=Pellmora /c" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/veltrane-pellmora-settings.desktop | grep ^Exec=)"

# Debian's own checks: no errors and no warnings.
lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1
check "lintian finds nothing to report" 0 "$?"
grep -E '^[EW]: ' "$work/lintian.log"

# The programs as installed, unpacked into a folder of their own.
dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
appstreamcli validate --no-net "$share/metainfo/example.tarnwick.Quindle.metainfo.xml" >"$work/appstream.log" 2>&1
check "the AppStream metadata is valid" 0 "$?"
grep -E '^[EW]: ' "$work/appstream.log"
check "the AppStream metadata launches the menu entry" 1 \
    "$(grep -c '<launchable type="desktop-id">veltrane-quindle.desktop</launchable>' "$share/metainfo/example.tarnwick.Quindle.metainfo.xml")"
check_true "the xscreensaver file is well-formed XML" xmllint --noout "$share/xscreensaver/config/Pellmora.xml"
check "the xscreensaver file names the program and runs it on the root window" 2 \
    "$(grep -cE '<screensaver name="Pellmora"|<command arg="--root"/>' "$share/xscreensaver/config/Pellmora.xml")"
# Each manual page names every option its program's --help lists.
for program in Quindle Pellmora; do
    page=$(zcat "$share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
    for option in $("$work/root/usr/bin/$program" --help | grep -oE '(^|[][ |])(--[a-z][a-z-]*|/[a-z])\b' | tr -d '[]| ' | sort -u); do
        check_true "$program.1 documents $option" grep -qF -- "$option" <<<"$page"
    done
done
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
