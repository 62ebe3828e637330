#!/usr/bin/env bash
# cmake --install into a temporary prefix: the launcher fills a new working folder from
# the installed data and starts the program, polaride-cli runs on the installed data,
# and the desktop entry and the AppStream metadata validate.
set -euo pipefail
cd "$(dirname "$0")/../.."
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix" >/dev/null

app=de.polaride.Polaride
for file in bin/polaride bin/polaride-cli libexec/polaride/polaride share/polaride/data/STERNKAT \
            share/applications/$app.desktop share/icons/hicolor/scalable/apps/$app.svg \
            share/metainfo/$app.metainfo.xml; do
    [ -e "$prefix/$file" ] || { echo "nicht installiert: $file" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null

# The launcher copies the data into the working folder and starts the program, which
# runs until it is stopped.
home="$prefix/home"
status=0
POLARIDE_HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/polaride" \
    >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "polaride endete mit Status $status statt zu laufen" >&2; exit 1; }
[ -f "$home/polaride.cfg" ] && [ -f "$home/STERNKAT" ] && [ ! -e "$home/README.md" ] ||
    { echo "der Starter hat den Arbeitsordner nicht gefüllt" >&2; exit 1; }

# A working folder that cannot be prepared is refused in German (without a display, so
# that no message box waits for a click).
message="$(env -u DISPLAY -u WAYLAND_DISPLAY POLARIDE_HOME="$prefix/bin/polaride" \
    "$prefix/bin/polaride" 2>&1 >/dev/null)" &&
    { echo "polaride startete mit einer Datei als Arbeitsordner" >&2; exit 1; }
[[ "$message" == "Polaride kann nicht gestartet werden: POLARIDE_HOME nennt"* ]] ||
    { echo "unerwartete Meldung des Starters: $message" >&2; exit 1; }

"$prefix/bin/polaride-cli" ephem --jd 45350.75 --lon 13.4 --lat 52.5 \
    --data "$prefix/share/polaride/data" >/dev/null
echo "install: ok ($prefix)"
