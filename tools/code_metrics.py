#!/usr/bin/env python3
"""Figures for a review of the code's structure: lines per folder, the largest functions, the
public methods and public data members of each window class, and the files that take part in
showing or hiding the main window.

Usage: tools/code_metrics.py [source root]   (default: the folder above this script)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
FOLDERS = ["model", "tz", "platform", "sync", "app", "ui", "tests", "bench", "fuzz", "tools"]
SOURCES = (".cpp", ".h", ".py", ".sh", ".txt")
SHOW_HIDE = re.compile(r"\b(ShowMainWindow|HideMainWindow|ToggleMainWindow|ShowWnd)\b")


def source_files(folder):
    base = ROOT / folder
    if not base.is_dir():
        return []
    return sorted(p for p in base.rglob("*") if p.is_file() and p.suffix in SOURCES
                  and "build" not in p.relative_to(ROOT).parts[0])


def code_lines(path):
    """Lines that are neither blank nor comment-only."""
    count = 0
    for line in path.read_text(errors="replace").splitlines():
        s = line.strip()
        if s and not s.startswith(("//", "#!", "* ", "/*", "*/")) and s != "*":
            count += 1
    return count


def functions(path):
    """(lines, name) of each function body in a C++ file, found by brace matching."""
    text = path.read_text(errors="replace")
    # Strip comments and string literals so braces inside them do not count.
    text = re.sub(r"//[^\n]*|/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group()), text,
                  flags=re.S)
    text = re.sub(r'"(\\.|[^"\\\n])*"|\'(\\.|[^\'\\\n])*\'', '""', text)
    head = re.compile(r"([A-Za-z_~][\w:~<>]*)\s*\([^;{}]*\)\s*(const)?\s*(override)?\s*"
                      r"(noexcept)?\s*(->\s*[\w:<>]+\s*)?(:[^;{}]*)?\{")
    out = []
    for m in head.finditer(text):
        name = m.group(1)
        if name in ("if", "for", "while", "switch", "catch", "return", "sizeof"):
            continue
        depth, i = 1, m.end()
        while depth and i < len(text):
            depth += {"{": 1, "}": -1}.get(text[i], 0)
            i += 1
        start = text.count("\n", 0, m.start()) + 1
        end = text.count("\n", 0, i) + 1
        out.append((end - start + 1, f"{path.relative_to(ROOT)}:{start} {name}"))
    return out


def public_members():
    """(class, public methods, public data members) of each class declared in ui/ and app/."""
    out = []
    for folder in ["ui", "app"]:
        for header in source_files(folder):
            if header.suffix != ".h":
                continue
            text = header.read_text(errors="replace")
            for m in re.finditer(r"^class (\w+)[^;{]*\{", text, flags=re.M):
                depth, section, methods, members, statement = 1, "private", 0, 0, ""
                name = m.group(1)
                for line in text[m.end():].splitlines():
                    s = line.strip()
                    if depth == 1 and re.match(r"(public|private|protected)( slots)?:|signals:", s):
                        section = s
                    elif depth == 1 and section.startswith("public") and s and \
                            not s.startswith(("//", "using", "friend", "static_assert", "}")):
                        statement += " " + s  # a declaration may run over several lines
                        if statement.rstrip().endswith(";") or "{" in statement:
                            d = statement.strip()
                            constructor = re.match(rf"(explicit )?~?{name}\(", d)
                            if "(" in d and not constructor and "operator=" not in d:
                                methods += 1
                            elif "(" not in d and not d.startswith(("enum", "static constexpr")):
                                members += 1
                            statement = ""
                    depth += s.count("{") - s.count("}")
                    if depth <= 0:
                        break
                out.append((m.group(1), methods, members))
    return sorted(out)


def main():
    print("Lines of code per folder (no blanks or comment lines):")
    total = 0
    for folder in FOLDERS:
        n = sum(code_lines(p) for p in source_files(folder))
        total += n
        print(f"  {folder:9} {n:7}")
    print(f"  {'total':9} {total:7}")

    funcs = []
    for folder in ["model", "tz", "platform", "sync", "app", "ui"]:
        for p in source_files(folder):
            if p.suffix == ".cpp":
                funcs += functions(p)
    # A function found inside another (a lambda's body) is counted in its outer one only.
    funcs.sort(reverse=True)
    print("The 10 largest functions (lines):")
    for n, where in funcs[:10]:
        print(f"  {n:4}  {where}")

    print("Public methods / public data members per class in ui/ and app/:")
    for cls, methods, members in public_members():
        print(f"  {cls:24} {methods:3} / {members}")

    touched = sorted(str(p.relative_to(ROOT)) for folder in ["app", "ui", "platform", "sync"]
                     for p in source_files(folder) if SHOW_HIDE.search(p.read_text()))
    print(f"Files taking part in showing or hiding the main window: {len(touched)}")
    for t in touched:
        print(f"  {t}")


if __name__ == "__main__":
    main()
