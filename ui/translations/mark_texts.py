#!/usr/bin/env python3
"""Marks the window's texts for translation: QStringLiteral("Some text")
becomes tr("Some text") where the text looks like words a person reads
(spaces, a shortcut '&', or one of a few known words); object names, settings
keys and file names stay. Run it on files with new texts, build, and where
the compiler finds no tr() (a free function, a class without Q_OBJECT) use
the class's tr (frmTurnix::tr) or give the file a context with
Q_DECLARE_TR_FUNCTIONS. Texts in tables need QT_TRANSLATE_NOOP by hand.

    ui/translations/mark_texts.py [--apply] FILE...
"""
import pathlib
import re
import sys

LITERAL = re.compile(r'QStringLiteral\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)')
WORDS = {"Top", "Left", "Right", "Bottom", "Front", "Back", "Cancel", "Close", "Save",
         "Print", "Solve", "Paint", "Toolbar", "Clockwise", "Counterclockwise", "Twice", "Up",
         "Down", "Defaults", "OK", "Instructions"}
KEEP = {"Sans Serif", "Serif", "SaveLast.cub", "Current.cub", "Turnix"}
NOT_AFTER = re.compile(r'(setObjectName|setProperty|property|QSettings|value|setValue|'
                       r'beginGroup|fromLatin1|contains|remove)\s*\(\s*$')


def text_of(group):
    return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', group))


def readable(text):
    if text in KEEP or not re.search(r'[A-Za-z]', text):
        return False
    if text in WORDS or text.startswith('&') or re.search(r'\w&\w', text):
        return True
    return ' ' in text.strip() and not re.fullmatch(r'[\w%.]+', text)


def mark(path, apply):
    source = path.read_text()
    parts, last, marked = [], 0, []
    for match in LITERAL.finditer(source):
        before = source[max(0, match.start() - 60):match.start()]
        text = text_of(match.group(1))
        if readable(text) and not NOT_AFTER.search(before):
            parts.append(source[last:match.start()] + 'tr(' + match.group(1).strip() + ')')
            last = match.end()
            marked.append(text)
    parts.append(source[last:])
    if apply and marked:
        path.write_text("".join(parts))
    return marked


def main(args):
    apply = '--apply' in args
    for name in (a for a in args if a != '--apply'):
        for text in mark(pathlib.Path(name), apply):
            print(f"{name}: {text}")


if __name__ == '__main__':
    main(sys.argv[1:])
