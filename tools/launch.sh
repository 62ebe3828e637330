#!/usr/bin/env bash
# Starts Polaride in its per-user working directory. The folder is
# $POLARIDE_HOME, or $XDG_DATA_HOME/polaride (~/.local/share/polaride). On every start
# the shipped data files that the folder lacks are copied in; files already there
# (the user's own "polaride.cfg", edited place lists, ...) are never overwritten.
#
#   tools/launch.sh build/app/polaride [ARGS]   from the source tree
#   PREFIX/bin/polaride [ARGS]                  installed (cmake --install): the data
#                                               in PREFIX/share/polaride/data, the
#                                               program in PREFIX/libexec/polaride
set -euo pipefail
here="$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)"
if [ -d "$here/share/polaride/data" ]; then
    data="$here/share/polaride/data"
    program="$here/libexec/polaride/polaride"
else
    data="$here/data"
    program="$(cd "$(dirname "${1:?program path}")" && pwd)/$(basename "$1")"
    shift
fi
home="${POLARIDE_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/polaride}"
mkdir -p "$home"
for file in "$data"/*; do
    name="$(basename "$file")"
    [ "$name" = "README.md" ] && continue
    [ -e "$home/$name" ] || cp -r "$file" "$home/$name"
done
cd "$home"
exec "$program" "$@"
