# Sourced by the checks that run polaride-cli passes on data/visual-2026-04.tle and read
# the result with Python. From the project's root: sets cli, tle, py, work (a temporary
# folder removed at exit), cli_abs and tle_abs; skips the check (exit 0) when a Python
# module, the data file or the built polaride-cli is missing.
#   pass_check_setup "MODULE[, MODULE...]" "PACKAGES"
pass_check_setup() {
    cli=${POLARIDE_CLI:-build/cli/polaride-cli}
    tle=data/visual-2026-04.tle
    py=/usr/bin/python3
    [ -x "$py" ] || py=python3
    if ! "$py" -c "import $1" 2>/dev/null; then
        echo "skip: $2 not installed"; exit 0
    fi
    if [ ! -x "$cli" ] || [ ! -f "$tle" ]; then
        echo "skip: $cli or $tle missing"; exit 0
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    tle_abs=$(realpath "$tle")
    cli_abs=$(realpath "$cli")
}
