#!/usr/bin/env python3
"""How place search compares names: Latin letters with diacritics folded to plain ASCII, letters
in lower case, apostrophes dropped, other punctuation and blanks as one space.

tools/gen_place_table.py folds with it to choose which alternate names to keep. Run as a
program, it writes model/latin_fold_table.inc, the same folding for the program's own search
(the letters of Latin-1 Supplement, Latin Extended-A and -B and Latin Extended Additional).

Usage: tools/text_fold.py [--out FILE]
"""

import argparse
import os
import unicodedata

# Letters that Unicode does not decompose into a base letter and marks.
SPECIAL = {
    "ß": "ss", "ẞ": "ss", "Æ": "ae", "æ": "ae", "Œ": "oe", "œ": "oe", "Ø": "o", "ø": "o",
    "Đ": "d", "đ": "d", "Ð": "d", "ð": "d", "Þ": "th", "þ": "th", "Ł": "l", "ł": "l",
    "ı": "i", "Ħ": "h", "ħ": "h", "Ŧ": "t", "ŧ": "t", "Ŋ": "n", "ŋ": "n", "ĸ": "k",
    "Ŀ": "l", "ŀ": "l", "Ɓ": "b", "ƀ": "b", "Ƒ": "f", "ƒ": "f", "Ɨ": "i", "ɨ": "i",
    "Ƶ": "z", "ƶ": "z", "Ǥ": "g", "ǥ": "g", "Ȼ": "c", "ȼ": "c", "Ɇ": "e", "ɇ": "e",
}
# Apostrophes and the modifier letters that stand for them (the Hawaiian okina, the Arabic
# ayin in transcriptions): dropped, so "St. John's" and "st johns" compare equal.
APOSTROPHES = "'`\u2018\u2019\u02bb\u02bc\u02bf\u02be\u00b4"
RANGES = [(0x00C0, 0x024F), (0x1E00, 0x1EFF)]


def fold_char(ch):
    """The ASCII text a character folds to: letters, '' for an apostrophe, ' ' for a separator;
    None for a character that stays as it is (other scripts)."""
    if ch in APOSTROPHES:
        return ""
    if ch.isascii():
        return ch.lower() if ch.isalnum() else " "
    code = ord(ch)
    if 0x00A0 <= code <= 0x00BF or code in (0x00D7, 0x00F7) or 0x2000 <= code <= 0x206F:
        return " "  # Latin-1 punctuation and symbols, general punctuation
    if ch in SPECIAL:
        return SPECIAL[ch]
    if any(low <= code <= high for low, high in RANGES):
        base = "".join(c for c in unicodedata.normalize("NFKD", ch)
                       if not unicodedata.combining(c))
        if base and base.isascii() and base.isalpha():
            return base.lower()
    return None


def fold(text):
    """The search form of a text; characters of other scripts are kept as they are."""
    out = []
    for ch in text:
        folded = fold_char(ch)
        out.append(ch if folded is None else folded)
    return " ".join("".join(out).split())


def is_latin(text):
    """True when every character folds (ASCII, Latin letters, punctuation)."""
    return all(fold_char(ch) is not None for ch in text)


def write_table(path):
    lines = [
        "// Latin letters folded to ASCII for place search. GENERATED FILE by tools/text_fold.py",
        "// from Unicode's decompositions; do not edit by hand. Entry k folds code point",
        "// first + k; \"\" means the character is kept as it is.",
    ]
    for low, high in RANGES:
        entries = []
        for code in range(low, high + 1):
            folded = fold_char(chr(code))
            entries.append('"%s"' % (folded or ""))
        lines.append("constexpr char32_t kLatinFoldFirst%04X = 0x%04X;" % (low, low))
        lines.append("constexpr const char* kLatinFold%04X[] = {" % low)
        for start in range(0, len(entries), 12):
            lines.append("    " + ", ".join(entries[start:start + 12]) + ",")
        lines.append("};")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    default = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                            "model", "latin_fold_table.inc"))
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--out", default=default)
    write_table(args.parse_args().out)


if __name__ == "__main__":
    main()
