#!/usr/bin/env bash
# The program's own texts agree with its documents: the options of "horavia --help" are the
# options of the manual page, and "horavia --version" is the version that the manual page,
# the AppStream release list and the package changelog name.
# Usage: manual_test.sh HORAVIA SOURCE_DIR
set -u
HORAVIA=$1
SRC=$2
MANPAGE="$SRC/resources/horavia.1"
status=0
fail() { echo "FAIL: $*"; status=1; }

# "  -h, --help           show this help" -> "-h, --help"; the text after two blanks goes.
help_options() {
  "$HORAVIA" --help | sed -n 's/^  \(-[^ ].*\)$/\1/p' | sed 's/  .*//'
}
# The paragraph tags of the OPTIONS section as the reader sees them. A font macro's arguments
# are words ('.B a b' -> "a b"); the alternating ones glue them ('.BR \-h ", " \-\-help' ->
# "-h, --help"; '.BI \-\-test\-server " HOST"' -> "--test-server HOST").
manual_options() {
  awk '
    /^\.SH / { section = $2; next }
    section == "OPTIONS" && /^\.TP/ { tag = 1; next }
    section == "OPTIONS" && tag {
      tag = 0
      macro = $1; rest = substr($0, length(macro) + 2); out = ""; n = 0
      while (match(rest, /"[^"]*"|[^ ]+/)) {
        word = substr(rest, RSTART, RLENGTH); rest = substr(rest, RSTART + RLENGTH)
        gsub(/"/, "", word)
        out = out ((n++ && length(macro) == 2) ? " " : "") word
      }
      gsub(/\\-/, "-", out); gsub(/\\f[BIRP]/, "", out); gsub(/\\ /, " ", out)
      print out
    }' "$MANPAGE"
}

help_list=$(help_options | sort)
manual_list=$(manual_options | sort)
[ -n "$help_list" ] || fail "no options found in --help"
if [ "$help_list" != "$manual_list" ]; then
  fail "--help and the manual page list different options"
  diff <(echo "$help_list") <(echo "$manual_list") | sed 's/^/  /'
fi
echo "options: $(echo "$help_list" | tr '\n' ';')"

# Every long option of --help also appears in the manual's synopsis.
synopsis=$(awk '/^\.SH /{ section = $2; next } section == "SYNOPSIS"' "$MANPAGE" | sed 's/\\-/-/g')
for option in $(echo "$help_list" | grep -o -- '--[a-z-]*'); do
  grep -q -- "$option\b" <<<"$synopsis" || fail "$option is missing from the synopsis"
done

version=$("$HORAVIA" --version | sed -n 's/^Horavia \([0-9][0-9.]*\)$/\1/p')
[ -n "$version" ] || fail "--version does not print 'Horavia <version>'"
grep -q "^\.TH HORAVIA 1 \"[0-9-]*\" \"Horavia $version\"" "$MANPAGE" ||
  fail "the manual page's title line does not name version $version"
release=$(grep -o '<release version="[^"]*"' "$SRC/resources/org.horavia.horavia.metainfo.xml" |
  head -n1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the newest AppStream release is '$release', not $version"
entry=$(sed -n '1s/^horavia (\([^)]*\)).*/\1/p' "$SRC/packaging/changelog")
[ "$entry" = "$version" ] || fail "the newest changelog entry is '$entry', not $version"

[ $status -eq 0 ] && echo "the manual, the metainfo and the changelog agree with the program"
exit $status
