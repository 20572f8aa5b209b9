#!/usr/bin/python3
"""Regenerates the embedded font subsets under resources/fonts/.

The subsets hold printable ASCII, the music and key signs the editor draws, the kana and
full-width forms, and every other non-ASCII character that appears in the sources, so a new
Japanese label is picked up by running this script again.

Needs (only to regenerate, never to build): python3-fonttools (pyftsubset), fonts-migmix,
fonts-noto-cjk and fonts-noto-cjk-extra.

    /usr/bin/python3 scripts/make_font_subsets.py [--check]
"""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "fonts"
SCANNED_DIRS = ["source", "tools"]
SCANNED_SUFFIXES = {".h", ".hpp", ".cpp", ".mm"}

FONTS = [
    # (output name, source file, face number inside a collection)
    ("MiguRegular.ttf", "/usr/share/fonts/truetype/migmix/migu-1p-regular.ttf", 0),
    ("MiguBold.ttf", "/usr/share/fonts/truetype/migmix/migu-1p-bold.ttf", 0),
    ("NotoSansCJKjpRegular.otf", "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0),
    ("NotoSansCJKjpMedium.otf", "/usr/share/fonts/opentype/noto/NotoSansCJK-Medium.ttc", 0),
]

LICENCES = [
    ("LICENSE-Migu.txt", "/usr/share/doc/fonts-migmix/copyright"),
    ("LICENSE-NotoSansCJK.txt", "/usr/share/doc/fonts-noto-cjk/copyright"),
]

ESCAPE = re.compile(r"\\u([0-9a-fA-F]{4})|\\U([0-9a-fA-F]{8})")

SIGNS = "\uff03\u266d\u25b3\u00af\u2318\u2325\u21e7\u2026"


def fixed_ranges():
    chars = {chr(c) for c in range(0x20, 0x7F)}
    chars |= set(SIGNS)
    for first, last in [(0x3000, 0x303F),   # CJK symbols and punctuation
                        (0x3041, 0x3096),   # hiragana
                        (0x30A0, 0x30FF),   # katakana
                        (0xFF01, 0xFF5E)]:  # full-width forms
        chars |= {chr(c) for c in range(first, last + 1)}
    return chars


def source_characters():
    chars = set()
    for folder in SCANNED_DIRS:
        base = ROOT / folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix in SCANNED_SUFFIXES and path.is_file():
                text = path.read_text(encoding="utf-8", errors="ignore")
                chars |= {ch for ch in text if ord(ch) > 0x7E and ch.isprintable()}
                # Labels are often written as universal character names: u8"\u57fa\u672c".
                for match in ESCAPE.finditer(text):
                    ch = chr(int(match.group(1) or match.group(2), 16))
                    if ord(ch) > 0x7E and ch.isprintable():
                        chars.add(ch)
    return chars


def subset_tool():
    """pyftsubset, or fontTools.subset run by this interpreter (Debian's python3-fonttools ships
    the module without the command)."""
    try:
        import fontTools.subset  # noqa: F401
        return [sys.executable, "-m", "fontTools.subset"]
    except ImportError:
        pass
    if shutil.which("pyftsubset"):
        return ["pyftsubset"]
    sys.exit("fontTools not found: install python3-fonttools (and run with /usr/bin/python3)")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true",
                        help="only list the characters found in the sources that the subsets would need")
    args = parser.parse_args()

    chars = fixed_ranges() | source_characters()
    if args.check:
        print("".join(sorted(c for c in chars if ord(c) > 0x7E)))
        return 0

    subset_command = subset_tool()

    OUT.mkdir(parents=True, exist_ok=True)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as text_file:
        text_file.write("".join(sorted(chars)))
        text_path = text_file.name

    for name, source, number in FONTS:
        if not pathlib.Path(source).is_file():
            sys.exit(f"missing font {source}")
        subprocess.run(subset_command + [source,
                        f"--font-number={number}",
                        f"--text-file={text_path}",
                        "--layout-features=*",
                        "--name-IDs=*",
                        "--name-languages=*",
                        "--notdef-outline",
                        "--no-hinting",
                        f"--output-file={OUT / name}"], check=True)
        print(f"{name}: {(OUT / name).stat().st_size} bytes")

    for name, source in LICENCES:
        shutil.copyfile(source, OUT / name)

    pathlib.Path(text_path).unlink()
    return 0


if __name__ == "__main__":
    sys.exit(main())
