#!/usr/bin/env bash
# Starts Polaride in its per-user working directory. The folder is
# $POLARIDE_HOME, or $XDG_DATA_HOME/polaride (~/.local/share/polaride; without HOME
# the home folder of the user's account). On every start the shipped data files that
# the folder lacks are copied in; files already there (the user's own "polaride.cfg",
# edited place lists, ...) are never overwritten, and a symbolic link whose target is
# missing is left as it is, with a note.
#
# When the folder cannot be prepared, the launcher says why in German on standard
# error and ends with status 1; started without a terminal in a desktop session (from
# the menu) it has the program show the same text in a message box.
#
#   tools/launch.sh build/app/polaride [ARGS]   from the source tree
#   PREFIX/bin/polaride [ARGS]                  installed (cmake --install): the data
#                                               in PREFIX/share/polaride/data, the
#                                               program in PREFIX/libexec/polaride
set -uo pipefail
program=""

# Says what keeps the program from starting and ends.
refuse() {
    local text="Polaride kann nicht gestartet werden: $1"
    echo "$text" >&2
    if [ ! -t 2 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$program" ]; then
        exec "$program" --start-problem "$text"
    fi
    exit 1
}

note() { echo "Hinweis: $1" >&2; }

# The system's reason at the end of a tool's message (the tools run with LC_ALL=C): in
# German where it is a common one, else as it is.
reason() {
    case "${1##*: }" in
        "") echo "der Vorgang wurde abgebrochen" ;;
        "No space left on device") echo "kein Platz mehr auf dem Datenträger" ;;
        "Disk quota exceeded") echo "das Speicherkontingent ist erschöpft" ;;
        "Read-only file system") echo "das Dateisystem ist schreibgeschützt" ;;
        "Permission denied") echo "keine Berechtigung" ;;
        "File too large") echo "die Datei ist zu groß für das Dateisystem" ;;
        *) echo "${1##*: }" ;;
    esac
}

# Why $1 cannot be written: the first part of its path that exists is no folder or
# cannot be written; otherwise the system's reason ($2, the tool's message).
write_problem() {
    local part="$1"
    while [ ! -e "$part" ] && [ ! -L "$part" ]; do part="$(dirname -- "$part")"; done
    if [ ! -d "$part" ]; then
        echo "\"$part\" ist kein Ordner"
    elif [ ! -w "$part" ]; then
        echo "in \"$part\" darf nicht geschrieben werden"
    else
        reason "$2"
    fi
}

here="$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)"
if [ -d "$here/share/polaride/data" ]; then
    data="$here/share/polaride/data"
    program="$here/libexec/polaride/polaride"
else
    [ $# -ge 1 ] || { echo "Aufruf: $0 PROGRAMM [ARGUMENTE]" >&2; exit 2; }
    data="$here/data"
    program="$(readlink -f -- "$1")"
    shift
fi
[ -x "$program" ] || { echo "Polaride kann nicht gestartet werden: \"$program\" fehlt." >&2; exit 1; }

if [ -n "${POLARIDE_HOME:-}" ]; then
    home="$POLARIDE_HOME"
else
    base="${XDG_DATA_HOME:-}"
    [[ "$base" == /* ]] || base=""  # a relative XDG_DATA_HOME is ignored
    if [ -z "$base" ]; then
        user_home="${HOME:-}"
        [ -n "$user_home" ] || user_home="$(getent passwd "$(id -u)" 2>/dev/null | cut -d: -f6)"
        [ -n "$user_home" ] ||
            refuse "HOME ist nicht gesetzt, und für den Benutzer ist kein Heimatordner bekannt. Mit POLARIDE_HOME lässt sich ein Arbeitsordner angeben."
        base="$user_home/.local/share"
    fi
    home="$base/polaride"
fi

if [ -L "$home" ] && [ ! -e "$home" ]; then
    refuse "Der Arbeitsordner \"$home\" ist ein Verweis auf \"$(readlink -- "$home")\", das es nicht gibt."
elif [ -e "$home" ] && [ ! -d "$home" ]; then
    if [ -n "${POLARIDE_HOME:-}" ]; then
        refuse "POLARIDE_HOME nennt \"$home\", und das ist kein Ordner. Bitte POLARIDE_HOME auf einen Ordner setzen oder die Variable entfernen."
    fi
    refuse "Der Arbeitsordner \"$home\" ist kein Ordner. Mit POLARIDE_HOME lässt sich ein anderer Arbeitsordner angeben."
elif ! error="$(LC_ALL=C mkdir -p -- "$home" 2>&1)"; then
    refuse "Der Arbeitsordner \"$home\" kann nicht angelegt werden: $(write_problem "$home" "$error"). Mit POLARIDE_HOME lässt sich ein anderer Arbeitsordner angeben."
fi

for file in "$data"/*; do
    name="$(basename -- "$file")"
    target="$home/$name"
    [ "$name" = "README.md" ] && continue
    if [ -L "$target" ] && [ ! -e "$target" ]; then
        note "\"$target\" ist ein Verweis auf \"$(readlink -- "$target")\", das es nicht gibt; die mitgelieferte Datei \"$name\" wird nicht dorthin kopiert."
        continue
    fi
    [ -e "$target" ] && continue
    # Copied under a temporary name and renamed, so that a copy cut short (full disk,
    # killed launcher) never stands in for the file at the next start.
    partial="$home/.$name.kopie"
    if ! error="$(export LC_ALL=C; cp -- "$file" "$partial" 2>&1 &&
                  mv -f -- "$partial" "$target" 2>&1)"; then
        rm -f -- "$partial"
        refuse "Die Datei \"$name\" kann nicht in den Arbeitsordner \"$home\" kopiert werden: $(write_problem "$partial" "$error")."
    fi
done

cd -- "$home" 2>/dev/null || refuse "Der Arbeitsordner \"$home\" kann nicht geöffnet werden."
exec "$program" "$@"
