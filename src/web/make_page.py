#!/usr/bin/python3
"""Writes the browser edition as one self-contained HTML file: the page's template with its
style, its script, the module with its wasm, compressed, and the fonts it needs, cut to the
letters that Czech texts use and inlined as WOFF2. The design's look (DESIGN_STYLE, as the
program's design writes it in JSON: the grey, the fonts, the frames' border) goes into the style
as custom properties, so that the first paint shows it. The script's files, each a room of the
page, are joined in the order given into one function of their own, so that the page adds nothing
to the browser's global names but for what it means to. Before them stands the module's
interface, read from the header that declares it, for the script to bind. The same sources give
the same bytes.

usage: make_page.py OUTPUT TEMPLATE STYLE DESIGN_STYLE MODULE WASM FONT_DIR INTERFACE SCRIPT...
"""

import base64
import gzip
import io
import json
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Printable ASCII and the Czech letters, both cases.
LETTERS = [chr(c) for c in range(0x20, 0x7F)] + list("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")

LICENCE = """The fonts inlined below ({faces}) are cut from the Liberation fonts 2
to the letters this page uses, and renamed {renamed}, as the licence asks of a modified version.
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


def face_style(face):
    return "Bold" if face["bold"] else "Regular"


def renamed_family(family):
    return family.replace("Liberation", "Lumorix")


# Each face the design uses, under the family and weight the page asks for. The cut fonts are
# modified versions, which the licence forbids to carry the reserved name "Liberation": inside
# the font they are named after the program.
def font_faces(font_dir, faces):
    rules = []
    for face in faces:
        family, style = face["family"], face_style(face)
        file_name = f"{family.replace(' ', '')}-{style}.ttf"
        renamed = renamed_family(family)
        woff2 = cut_font(f"{font_dir}/{file_name}", renamed, style)
        data = base64.b64encode(woff2).decode("ascii")
        rules.append(f'@font-face {{ font-family: "{family}"; font-weight: '
                     f'{700 if face["bold"] else 400}; '
                     f'src: url(data:font/woff2;base64,{data}) format("woff2"); }}')
    return "\n".join(rules)


def packed_module(wasm):
    """The wasm compressed as gzip, which the page unpacks with the browser's
    DecompressionStream, and written as base64."""
    return base64.b64encode(gzip.compress(wasm, compresslevel=9, mtime=0)).decode("ascii")


def css_family(family, generic):
    return f'"{family}", {generic}'


# The design's look as custom properties of the page's style.
def design_properties(style):
    font, border = style["font"], style["frameBorder"]
    properties = {
        "background": style["background"],
        "font": f'{"bold " if font["bold"] else ""}{font["size"]}px '
                f'{css_family(font["family"], font["generic"])}',
        "frame-border": f'{border["width"]}px groove {border["colour"]}',
        "frame-border-top": f'{border["top"]}px',
        "frame-caption-left": f'{border["captionLeft"]}px',
        "frame-caption-padding": f'{border["captionPadding"]}px',
    }
    for family in style["families"]:
        properties[f'font-{family["generic"]}'] = css_family(family["name"], family["generic"])
    lines = "".join(f"    --{name}: {value};\n" for name, value in properties.items())
    return f":root {{\n{lines}}}"


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


def module_interface(header):
    """The functions that the header declares, each as its name, and its result and parameters as
    the module's cwrap takes them: a text is a string, a pointer or a number a number, and a
    function that gives nothing gives null."""
    def type_of(declared):
        declared = declared.strip()
        return None if declared == "void" else "string" if declared == "const char*" else "number"

    declarations = "\n".join(line for line in header.splitlines()
                             if not line.lstrip().startswith(("//", "#")))
    functions = []
    for result, name, parameters in re.findall(r"([^;{}]+?)\s+(lumorix_\w+)\(([^)]*)\);",
                                               declarations):
        functions.append([name, type_of(result), [type_of(parameter.strip().rsplit(" ", 1)[0])
                                                  for parameter in parameters.split(",")
                                                  if parameter.strip()]])
    if not functions:
        sys.exit("the module's interface declares no function")
    return functions


def main():
    output, template, style, design_style, module, wasm, font_dir, interface, *scripts = sys.argv[1:]
    read = lambda path: open(path, encoding="utf-8").read()
    script = (f"const moduleInterface = {json.dumps(module_interface(read(interface)))};\n\n"
              + "\n".join(read(path) for path in scripts))
    look = json.loads(read(design_style))
    faces = ", ".join(f'{face["family"]} {face_style(face)}' for face in look["faces"])
    renamed = " and ".join(sorted({renamed_family(face["family"]) for face in look["faces"]}))
    licence = LICENCE.format(faces=faces, renamed=renamed)
    parts = {
        "<!--@FONT_LICENCE@-->": f"<!--\n{licence}\n\n{ofl_text()}\n-->",
        "@FONT_FACES@": font_faces(font_dir, look["faces"]),
        "@STYLE@": f"{design_properties(look)}\n{read(style)}",
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
