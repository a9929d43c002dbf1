#!/usr/bin/env bash
# The Debian package built from this build folder: its name, fields and files, no build paths
# inside, a program that runs from a scratch root it was installed into, valid desktop and
# AppStream files, no lintian errors, and a removal that leaves only the user's settings.
# Usage: package_test.sh CPACK BUILD_DIR SOURCE_DIR VERSION. Exits 77 (skipped) without dpkg.
set -u
CPACK=$1
BUILD=$2
SRC=$3
VERSION=$4

command -v dpkg-deb >/dev/null || { echo "skipped: not a Debian system"; exit 77; }
for tool in dpkg lintian appstreamcli desktop-file-validate dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
stop() { echo "FAIL: $*"; exit 1; }

# --- Build ---------------------------------------------------------------------------------
(cd "$BUILD" && "$CPACK" -G DEB -B "$WORK/out") >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; stop "cpack did not build the package"; }
ARCH=$(dpkg --print-architecture)
DEB="$WORK/out/horavia_${VERSION}_${ARCH}.deb"
[ -f "$DEB" ] || { ls "$WORK/out"; stop "no $(basename "$DEB")"; }
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"

# --- Control fields ------------------------------------------------------------------------
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = horavia ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$ARCH" ] || fail "Architecture is '$(field Architecture)'"
grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' <<<"$(field Maintainer)" ||
  fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "the description has no long text"
DEPENDS=$(field Depends)
echo "Depends: $DEPENDS"
# The libraries come from the binary, with the versions dpkg-shlibdeps found; the rest is
# what the binary cannot show.
for dependency in 'libc6 (>= ' 'libstdc++6 (>= ' 'libqt6core6 (>= ' 'libqt6gui6 (>= ' \
  'libqt6widgets6 (>= ' 'libqt6network6 (>= ' 'libqt6dbus6 (>= ' 'libssl3 (>= ' qt6-qpa-plugins \
  tzdata; do
  grep -qF "$dependency" <<<"$DEPENDS" || fail "Depends lacks '$dependency'"
done

# --- Files -----------------------------------------------------------------------------------
dpkg-deb -c "$DEB" >"$WORK/contents"
files=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$WORK/contents" | sort)
expected=$(sort <<'EOF'
usr/bin/horavia
usr/share/applications/horavia.desktop
usr/share/doc/horavia/changelog.gz
usr/share/doc/horavia/copyright
usr/share/icons/hicolor/16x16/apps/horavia.png
usr/share/icons/hicolor/22x22/apps/horavia.png
usr/share/icons/hicolor/24x24/apps/horavia.png
usr/share/icons/hicolor/32x32/apps/horavia.png
usr/share/icons/hicolor/48x48/apps/horavia.png
usr/share/icons/hicolor/64x64/apps/horavia.png
usr/share/icons/hicolor/128x128/apps/horavia.png
usr/share/icons/hicolor/scalable/apps/horavia.svg
usr/share/man/man1/horavia.1.gz
usr/share/metainfo/org.horavia.horavia.metainfo.xml
EOF
)
# The time queries' part, a plugin in the architecture's library folder.
MODULE="usr/lib/$(gcc -print-multiarch)/horavia/libhoravia_time_queries.so"
expected=$(sort <<<"$expected"$'\n'"$MODULE")
if [ "$files" != "$expected" ]; then
  fail "the package holds other files than expected"
  diff <(echo "$expected") <(echo "$files") | sed 's/^/  /'
fi
# Owned by root; folders and the program 0755, everything else 0644.
awk '$2 != "root/root" { print "  owner " $2 ": " $6 }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "  mode " $1 ": " $6 }
     $1 ~ /^-/ && $6 !~ /usr\/bin\// && $1 != "-rw-r--r--" { print "  mode " $1 ": " $6 }
     $6 ~ /usr\/bin\/./ && $1 != "-rwxr-xr-x" { print "  mode " $1 ": " $6 }' \
  "$WORK/contents" >"$WORK/modes"
[ -s "$WORK/modes" ] && { fail "owners or modes"; cat "$WORK/modes"; }

dpkg-deb -x "$DEB" "$WORK/x"
dpkg-deb -e "$DEB" "$WORK/x/DEBIAN"
for gz in "$WORK"/x/usr/share/man/man1/horavia.1.gz "$WORK"/x/usr/share/doc/horavia/changelog.gz; do
  gzip -dc "$gz" >"${gz%.gz}"
done
cmp -s "$WORK/x/usr/share/man/man1/horavia.1" "$SRC/resources/horavia.1" ||
  fail "the manual page differs from resources/horavia.1"
cmp -s "$WORK/x/usr/share/metainfo/org.horavia.horavia.metainfo.xml" \
  "$SRC/resources/org.horavia.horavia.metainfo.xml" || fail "the metainfo differs from the source"
# Nothing inside names the folders it was built in (the program included, debug data too).
while IFS= read -r path; do
  found=$(grep -rlaF -- "$path" "$WORK/x")
  [ -z "$found" ] || fail "build path $path inside: ${found//$WORK\/x\//}"
done < <(printf '%s\n' "$BUILD" "$SRC" "$(cd "$BUILD" && pwd -P)" "$(cd "$SRC" && pwd -P)" | sort -u)

# --- Desktop entry and metainfo, as installed ------------------------------------------------
APPS="$WORK/x/usr/share/applications"
desktop-file-validate "$APPS/horavia.desktop" || fail "desktop-file-validate: horavia.desktop"
entry() { sed -n "s/^$1=//p" "$APPS/horavia.desktop" | head -n1; }
[ "$(entry Exec)" = horavia ] && [ -x "$WORK/x/usr/bin/horavia" ] ||
  fail "the menu entry's Exec '$(entry Exec)' is not the installed program"
[ -f "$WORK/x/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] ||
  fail "the menu entry's Icon '$(entry Icon)' is not an installed icon"
METAINFO="$WORK/x/usr/share/metainfo/org.horavia.horavia.metainfo.xml"
appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli validate"
grep -q '<id>org.horavia.horavia</id>' "$METAINFO" || fail "the metainfo id is not its file name"
grep -q '<launchable type="desktop-id">horavia.desktop</launchable>' "$METAINFO" ||
  fail "the metainfo does not launch horavia.desktop"

# --- lintian ---------------------------------------------------------------------------------
echo "lintian:"
lintian --fail-on error --display-info "$DEB" 2>&1 | grep -v 'root privileges' | grep -v '^N:' |
  sed 's/^/  /'
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors"

# --- Installed into a scratch root, run, removed ---------------------------------------------
ROOT="$WORK/root"
mkdir -p "$ROOT/var/lib/dpkg/info" "$ROOT/var/lib/dpkg/updates" "$ROOT/var/lib/dpkg/triggers"
touch "$ROOT/var/lib/dpkg/status" "$ROOT/var/lib/dpkg/available"
# The scratch root holds no libraries; the program runs on this system's own.
scratch_dpkg() {
  dpkg --root="$ROOT" --log=/dev/null --force-depends --force-not-root \
    --force-script-chrootless "$@" >>"$WORK/dpkg.log" 2>&1
}
scratch_dpkg -i "$DEB" || { cat "$WORK/dpkg.log"; stop "dpkg could not install the package"; }
PROGRAM="$ROOT/usr/bin/horavia"
USER_HOME="$WORK/home"
mkdir -p "$USER_HOME"
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$USER_HOME" XDG_CONFIG_HOME="$USER_HOME/.config" \
    TZ=UTC LC_ALL=C.UTF-8 "$PROGRAM" "$@"
}
[ "$(run --version)" = "Horavia $VERSION" ] || fail "installed --version printed '$(run --version)'"
before=$(date -u +%H:%M)
printed=$(run --print)
after=$(date -u +%H:%M)
echo "installed --print: $(tr '\t\n' ' |' <<<"$printed")"
# Fresh settings hold a UTC clock and a Swatch clock.
zulu=$(sed -n 's/^Zulu\t\([0-9][0-9]:[0-9][0-9]\):[0-9][0-9]$/\1/p' <<<"$printed")
[ "$zulu" = "$before" ] || [ "$zulu" = "$after" ] || fail "the Zulu clock is not UTC ($before)"
grep -Eq $'^Swatch\t@[0-9]{3}$' <<<"$printed" || fail "no Swatch line"
SETTINGS="$USER_HOME/.config/Horavia/Horavia 2.0.ini"
[ -f "$SETTINGS" ] || fail "the installed program kept no settings"
# The installed program finds its time queries' part (port 1: nothing answers there).
queried=$(run --test-server 127.0.0.1:1 2>&1)
[ "$queried" = "Connection failed!" ] || fail "installed --test-server printed '$queried'"

scratch_dpkg --purge horavia || { cat "$WORK/dpkg.log"; fail "dpkg could not remove the package"; }
left=$(cd "$ROOT" && find . -mindepth 1 ! -path './var' ! -path './var/lib' ! -path './var/lib/dpkg*')
[ -z "$left" ] || fail "removal left: $left"
[ -f "$SETTINGS" ] || fail "removal took the user's settings"

[ $status -eq 0 ] && echo "the package is complete and clean"
exit $status
