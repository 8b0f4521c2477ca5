#!/usr/bin/python3
"""Writes the browser edition as one self-contained HTML file: the page's template with its
style, its script, the module with its wasm, compressed, and the fonts it needs, cut to the
letters that Czech texts use and inlined as WOFF2. The script's files, each a room of the page,
are joined in the order given into one function of their own, so that the page adds nothing to
the browser's global names but for what it means to. The same sources give the same bytes.

usage: make_page.py OUTPUT TEMPLATE STYLE MODULE WASM FONT_DIR SCRIPT...
"""

import base64
import gzip
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Printable ASCII and the Czech letters, both cases.
LETTERS = [chr(c) for c in range(0x20, 0x7F)] + list("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")

# The faces the window uses, by the family and weight the page asks for. The cut fonts are
# modified versions, which the licence forbids to carry the reserved name "Liberation": inside
# the font they are named after the program.
FACES = [
    ("Liberation Sans", 400, "LiberationSans-Regular.ttf", "Lumorix Sans", "Regular"),
    ("Liberation Sans", 700, "LiberationSans-Bold.ttf", "Lumorix Sans", "Bold"),
    ("Liberation Serif", 700, "LiberationSerif-Bold.ttf", "Lumorix Serif", "Bold"),
]

LICENCE = """The fonts inlined below are cut from the Liberation fonts 2 (Liberation Sans
Regular and Bold, Liberation Serif Bold) to the letters this page uses, and renamed
Lumorix Sans and Lumorix Serif, as the licence asks of a modified version.
Digitized data copyright (c) 2010 Google Corporation with Reserved Font Arimo, Tinos and
Cousine. Copyright (c) 2012 Red Hat, Inc. with Reserved Font Name Liberation.
They are licensed under the SIL Open Font License, Version 1.1, copied here in full."""


def cut_font(path, family, style):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = [0, 13, 14]
    options.hinting = False
    # The cut font keeps the date of the font it is cut from, not the time it was cut.
    font = TTFont(path, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(LETTERS))
    subsetter.subset(font)
    names = font["name"]
    for name_id, text in [(1, family), (2, style), (4, f"{family} {style}"),
                          (6, f"{family.replace(' ', '')}-{style}")]:
        names.setName(text, name_id, 3, 1, 0x409)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    return out.getvalue()


def font_faces(font_dir):
    rules = []
    for family, weight, file_name, renamed, style in FACES:
        woff2 = cut_font(f"{font_dir}/{file_name}", renamed, style)
        data = base64.b64encode(woff2).decode("ascii")
        rules.append(f'@font-face {{ font-family: "{family}"; font-weight: {weight}; '
                     f'src: url(data:font/woff2;base64,{data}) format("woff2"); }}')
    return "\n".join(rules)


def packed_module(wasm):
    """The wasm compressed as gzip, which the page unpacks with the browser's
    DecompressionStream, and written as base64."""
    return base64.b64encode(gzip.compress(wasm, compresslevel=9, mtime=0)).decode("ascii")


def ofl_text():
    # Debian's copyright file carries the licence, each line indented, empty lines as " .".
    lines = []
    in_licence = False
    with open("/usr/share/doc/fonts-liberation2/copyright", encoding="utf-8") as copyright:
        for line in copyright:
            if line.startswith("License: SIL-OFL-1.1") and not in_licence:
                in_licence = True
                continue
            if in_licence:
                if not line.startswith(" "):
                    break
                text = line[1:].rstrip("\n")
                lines.append("" if text == "." else text)
    return "\n".join(lines).replace("--", "- -")


def main():
    output, template, style, module, wasm, font_dir, *scripts = sys.argv[1:]
    read = lambda path: open(path, encoding="utf-8").read()
    script = "\n".join(read(path) for path in scripts)
    parts = {
        "<!--@FONT_LICENCE@-->": f"<!--\n{LICENCE}\n\n{ofl_text()}\n-->",
        "@FONT_FACES@": font_faces(font_dir),
        "@STYLE@": read(style),
        "@MODULE@": read(module),
        "@WASM@": packed_module(open(wasm, "rb").read()),
        "@SCRIPT@": f'(function () {{\n"use strict";\n\n{script}}})();',
    }
    page = read(template)
    for marker, text in parts.items():
        if "</script" in text and marker in ("@MODULE@", "@SCRIPT@"):
            sys.exit(f"{marker} would end its script element early")
        page = page.replace(marker, text)
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
