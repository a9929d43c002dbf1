#!/bin/bash
# Where the settings go without HOME (the user's home from the password database) and with a
# relative XDG_CONFIG_HOME (ignored, as the XDG rules say). Runs in private user and mount
# namespaces with a scratch folder mounted over the home the password database names, so the
# real home is never touched; skipped (77) where such namespaces are not allowed.
#   settings_location_test.sh HORAVIA
set -euo pipefail
if [ "${1:-}" != "--inside" ]; then
    if ! unshare --user --map-root-user --mount true 2>/dev/null; then
        echo "private namespaces are not available here: skipped"
        exit 77
    fi
    exec unshare --user --map-root-user --mount bash "$0" --inside "$@"
fi
shift
horavia=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ini="Horavia/Horavia 2.0.ini"

home=$(getent passwd "$(id -u)" | cut -d: -f6)
if [ -z "$home" ] || [ ! -d "$home" ]; then
    echo "the password database names no home folder: skipped"
    exit 77
fi
mkdir -p "$work/passwd-home" "$work/cwd"
mount --bind "$work/passwd-home" "$home"

fail() { echo "$1"; exit 1; }

# No HOME, no XDG_CONFIG_HOME: the password database's home.
(cd "$work/cwd" && env -u HOME -u XDG_CONFIG_HOME "$horavia" --print >/dev/null)
[ -f "$work/passwd-home/.config/$ini" ] || fail "without HOME the settings are not in $home/.config"
[ -z "$(ls -A "$work/cwd")" ] || fail "without HOME something was written to the working folder"

# A relative XDG_CONFIG_HOME is ignored: HOME's .config.
mkdir -p "$work/home"
(cd "$work/cwd" && env HOME="$work/home" XDG_CONFIG_HOME=relative "$horavia" --print >/dev/null)
[ -f "$work/home/.config/$ini" ] || fail "with a relative XDG_CONFIG_HOME the settings are not in HOME/.config"
[ ! -e "$work/cwd/relative" ] || fail "the relative XDG_CONFIG_HOME was used"

# An absolute one is used.
(cd "$work/cwd" && env HOME="$work/home" XDG_CONFIG_HOME="$work/xdg" "$horavia" --print >/dev/null)
[ -f "$work/xdg/$ini" ] || fail "an absolute XDG_CONFIG_HOME was not used"
echo "settings folder: password-database home, relative and absolute XDG_CONFIG_HOME all as expected"
