#!/usr/bin/env python3
"""Compiles res/Hourglade.rc with windres and checks what came out in the binary resources: the
dialog templates (styles, fonts, controls, UTF-16 texts), the menu and the string table, in Japanese
and in English with the same layout, the icon groups, the version record and the manifest; and the
layout of the two .ico files.

    check_templates.py            (WINDRES may name the resource compiler)

Ends with the line "N passed, N failed" and exits non-zero when anything failed.
"""

import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RES = os.path.join(ROOT, "res")
WINDRES = os.environ.get("WINDRES", "x86_64-w64-mingw32-windres")


def read_defines(*names):
    """The string and number macros of headers in res/, each string macro joined from its literals with the macros it
    names filled in."""
    defines = {}
    for name in names:
        for macro, body in re.findall(r"^#define (\w+) (.*)$", open(os.path.join(RES, name), encoding="utf-8").read(),
                                      re.M):
            parts = re.findall(r'"([^"]*)"|(\w+)', body)
            if all(text or word in defines for text, word in parts) and any(text for text, _ in parts):
                defines[macro] = "".join(text or defines[word] for text, word in parts)
            elif body.isdigit():
                defines[macro] = body
    return defines


# The version, the company and the legal notice, from the one place each is written.
DEFINES = read_defines("version.h", "legal.h")
VERSION_PARTS = [int(DEFINES[f"HG_VERSION_{part}"]) for part in ("MAJOR", "MINOR", "PATCH", "BUILD")]
VERSION, FULL_VERSION = ".".join(map(str, VERSION_PARTS[:3])), ".".join(map(str, VERSION_PARTS))
COMPANY, LEGAL_NOTICE = DEFINES["HG_COMPANY_NAME"], DEFINES["HG_LEGAL_NOTICE"]

# Styles that the checks look at.
WS_POPUP, WS_VISIBLE, WS_CAPTION, WS_BORDER, WS_SYSMENU = 0x80000000, 0x10000000, 0xC00000, 0x800000, 0x80000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW = 0x8, 0x80, 0x40000
WS_TABSTOP = 0x10000
BS_TYPE, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_PUSHLIKE, BS_CENTERED = 0xF, 1, 3, 0x1000, 0xF00
SS_TYPE, SS_CENTER, SS_ICON, SS_WHITEFRAME, SS_NOTIFY, SS_CENTERIMAGE, SS_SUNKEN = 0x1F, 1, 3, 9, 0x100, 0x200, 0x1000
BUTTON, STATIC = 0x80, 0x82

CAPTIONED = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
PLAIN_POPUP = DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_BORDER
PANEL = (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade")
DIGITS, REMAIN = {1033, 1034, 1035, 1036}, {1038, 1039, 1040, 1041}
TIME_FIELD = DIGITS | REMAIN | {1054, 1037}

# id: (style, extended style, caption), size, ids of the controls that have one, texts of the controls
DIALOGS = {
    102: ((CAPTIONED, WS_EX_APPWINDOW, "Hourglade"), (160, 142), {1046, 1047, 1048, 1049, 1053},
          {"アラーム", "タイマー", "カウンター", "電源の遮断", "セットされていません。", 128, "Website",
           f"Hourglade  ver. {VERSION}", LEGAL_NOTICE}),
    103: (PANEL, (75, 50), TIME_FIELD | {1042}, {"タイマー", "▼", "0", "分", "秒", "残", "セット", "ストップ"}),
    104: ((PLAIN_POPUP, 0, ""), (61, 49), set(), set()),
    105: ((PLAIN_POPUP, 0, ""), (143, 9), {1044}, {""}),
    106: ((CAPTIONED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Hourglade"), (167, 27), {1045}, {128, ""}),
    107: (PANEL, (75, 50), TIME_FIELD, {"アラーム", "▼", "0", "時", "分", "残", "セット"}),
    108: (PANEL, (75, 50), REMAIN | {1037, 1042}, {"カウンター", "0", "分", "秒", "セット", "ストップ"}),
    109: (PANEL, (75, 62), TIME_FIELD | {1052}, {"電源の遮断", "▼", "0", "時", "分", "残", "セット", ""}),
    110: ((CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade"), (117, 49), {1047, 1, 2},
          {"終了", "タスクトレイから削除", "OK", "キャンセル"}),
    135: ((DS_SETFONT | WS_POPUP | WS_SYSMENU, 0, ""), (131, 76), set(), set()),
}

MENU = [
    ("メニュー", [(32773, "メインパネル"), None, (32917, "アラーム"), (32918, "タイマー"),
                  (32919, "カウンター"), (32920, "電源の遮断"), None, (32774, "終了")]),
    ("簡易セット", [(32926, "１分タイマー"), (32928, "３分タイマー"), (32929, "５分タイマー"),
                   (32930, "１０分タイマー"), None, (32931, "カウンターをスタート")]),
]

# Both icons, idle and active, in every size the notification area may ask for at 100 to 200 %, and the
# large sizes.
ICON_SIZES = [16, 20, 24, 32, 48, 256]

JAPANESE, ENGLISH, NEUTRAL = 0x411, 0x409, 0


def read_text_list():
    """The list of res/texts.h: the string table's names and numbers, and every text by language and name."""
    source = open(os.path.join(RES, "texts.h"), encoding="utf-8").read()
    strings = [(name, int(number)) for name, number in re.findall(r"X\((\w+), (\d+)\)", source)]
    texts = {JAPANESE: {}, ENGLISH: {}}
    for language, name, text in re.findall(r'#define HG_(JA|EN)_(\w+) "(.*)"', source):
        texts[JAPANESE if language == "JA" else ENGLISH][name] = text
    return strings, texts


STRINGS, TEXTS = read_text_list()


def in_english(value):
    """A Japanese text of the checks below as the English resources have it: the listed English text of the same
    name; anything that is not a listed text (digits, marks, the version line) stays as it is."""
    names = [name for name, text in TEXTS[JAPANESE].items() if text == value]
    return TEXTS[ENGLISH][names[0]] if names else value


VERSION_STRINGS = {
    "CompanyName": COMPANY, "FileDescription": "アラーム、タイマー、カウンター、電源の遮断",
    "FileVersion": FULL_VERSION, "InternalName": "Hourglade", "LegalCopyright": LEGAL_NOTICE,
    "OriginalFilename": "Hourglade.exe", "ProductName": "Hourglade", "ProductVersion": FULL_VERSION,
}


# --- reading the compiled resources -----------------------------------------------------------

class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def sz_or_ord(self):
        if self.take("H") == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.sz()

    def align(self, n=4):
        self.pos = (self.pos + n - 1) & ~(n - 1)


def read_res(path):
    """{(type, name, language): data} from a .res file."""
    data = open(path, "rb").read()
    out, pos = {}, 0
    while pos < len(data):
        r = Reader(data, pos)
        size, header = r.take("II")
        rtype, name = r.sz_or_ord(), r.sz_or_ord()
        r.align()
        _, _, lang = r.take("IHH")
        if size:
            out[(rtype, name, lang)] = data[pos + header:pos + header + size]
        pos = (pos + header + size + 3) & ~3
    return out


def read_dialog(data):
    r = Reader(data)
    version, signature, _, exstyle, style, count = r.take("HHIIIH")
    assert (version, signature) == (1, 0xFFFF), "not a DIALOGEX template"
    rect = r.take("hhhh")
    menu, _, caption = r.sz_or_ord(), r.sz_or_ord(), r.sz()
    points, weight, _, _ = r.take("HHBB")
    font = (points, weight, r.sz())
    controls = []
    for _ in range(count):
        r.align()
        _, _, cstyle = r.take("III")
        crect = r.take("hhhh")
        cid = r.take("i")
        cls, text = r.sz_or_ord(), r.sz_or_ord()
        # A class may be written by name or by its predefined number.
        cls = {"BUTTON": BUTTON, "STATIC": STATIC}.get(cls.upper(), cls) if isinstance(cls, str) else cls
        r.pos += 2 + struct.unpack_from("<H", data, r.pos)[0]
        controls.append((cls, cid, text, crect, cstyle))
    return style, exstyle, caption, (menu or None), rect, font, controls


def read_menu(data):
    r = Reader(data, 4)

    def items():
        out = []
        while True:
            flags = r.take("H")
            if flags & 0x10:
                out.append((r.sz(), items()))
            else:
                mid, text = r.take("H"), r.sz()
                out.append((mid, text) if (mid or text) else None)
            if flags & 0x80:
                return out
    return items()


# --- checks -------------------------------------------------------------------------------------

def utf16(text):
    return (text + "\0").encode("utf-16-le")


def control_rules(did, controls):
    """What every control of a kind must be, whatever its place."""
    for cls, cid, text, (x, y, w, h), style in controls:
        name = f"dialog {did} control {cid} {text!r}"
        if cid in DIGITS and cls == BUTTON:
            yield name + " centred both ways", style & BS_CENTERED == BS_CENTERED, hex(style)
        if cid in REMAIN:
            want = SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN
            yield name + " centred and sunken", (cls, style & (SS_TYPE | want)) == (STATIC, want), hex(style)
        if cid in (1037, 1042):
            yield name + " push-like toggle", style & (BS_TYPE | BS_PUSHLIKE) == BS_AUTOCHECKBOX | BS_PUSHLIKE, hex(style)
        if text == 128:
            yield name + " icon 20 x 20", (cls, style & SS_TYPE, w, h) == (STATIC, SS_ICON, 20, 20), (w, h)
        if cid == 1052:
            want = SS_WHITEFRAME | SS_NOTIFY
            yield name + " bare placeholder", style & (SS_TYPE | SS_NOTIFY | WS_BORDER) == want and text == "", hex(style)
            yield name + " a tab stop", style & WS_TABSTOP == WS_TABSTOP, hex(style)
        if cls == BUTTON and cid in (1, 2, 1053, 1047):
            kind = {1: BS_DEFPUSHBUTTON, 1047: BS_AUTOCHECKBOX}.get(cid, 0)
            yield name + " button kind", style & BS_TYPE == kind, hex(style)


def string_table(res, language):
    """{number: text} of a language's string table."""
    table = {}
    for (rtype, block, lang), data in res.items():
        if rtype != 6 or lang != language:
            continue
        r = Reader(data)
        for number in range((block - 1) * 16, block * 16):
            length = r.take("H")
            table[number] = data[r.pos:r.pos + 2 * length].decode("utf-16-le")
            r.pos += 2 * length
    return table


def checks(res):
    languages = {(rtype, lang) for rtype, _, lang in res}
    yield "icons, manifest and version record in no language", \
        {lang for rtype, lang in languages if rtype in (3, 14, 16, 24)} == {NEUTRAL}, languages
    yield "templates, menu and strings in Japanese and English", \
        {lang for rtype, lang in languages if rtype in (4, 5, 6)} == {JAPANESE, ENGLISH}, languages

    for language in (JAPANESE, ENGLISH):
        texts_of = (lambda values: values) if language == JAPANESE else (lambda values: {in_english(v) for v in values})
        tag = "" if language == JAPANESE else " (English)"
        for did, (frame, size, ids, texts) in DIALOGS.items():
            style, exstyle, caption, menu, rect, font, controls = read_dialog(res[(5, did, language)])
            yield f"dialog {did} font{tag}", font == (8, 400, "メイリオ"), font
            yield f"dialog {did} styles and caption{tag}", (style, exstyle, caption) == frame, (hex(style), caption)
            yield f"dialog {did} size{tag}", rect == (0, 0) + size, rect
            yield f"dialog {did} names no menu{tag}", menu is None, menu
            yield f"dialog {did} ids{tag}", {c[1] for c in controls} - {-1} == ids, {c[1] for c in controls}
            yield f"dialog {did} texts{tag}", {c[2] for c in controls} == texts_of(texts), {c[2] for c in controls}
            yield from control_rules(did, controls)
            if language == ENGLISH:
                japanese = read_dialog(res[(5, did, JAPANESE)])[6]
                moved = [(j[1], j[2], j[3], e[3]) for j, e in zip(japanese, controls) if j[3] != e[3]]
                yield f"dialog {did} places as in Japanese but the remaining time's label{tag}", \
                    all(text == "残" for _, text, _, _ in moved), moved

        menu = read_menu(res[(4, 129, language)])
        expected = MENU if language == JAPANESE else [
            (in_english(title), [item and (item[0], in_english(item[1])) for item in items]) for title, items in MENU]
        yield f"menu 129{tag}", menu == expected, menu

        table = string_table(res, language)
        listed = TEXTS[language]
        yield f"string table{tag}", all(table.get(number) == listed[name] for name, number in STRINGS), \
            [name for name, number in STRINGS if table.get(number) != listed[name]]

    for gid, sizes in ((128, ICON_SIZES), (129, ICON_SIZES)):
        data = res[(14, gid, NEUTRAL)]
        entries = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(struct.unpack_from("<H", data, 4)[0])]
        yield f"icon {gid} sizes", sorted(e[0] or 256 for e in entries) == sizes, entries
        yield f"icon {gid} 256 colours", all(e[5] == 8 and e[2] == 0 for e in entries), entries

    version = res[(16, 1, NEUTRAL)]
    major, minor, patch, build = VERSION_PARTS
    fixed = (major << 16 | minor, patch << 16 | build) * 2
    yield f"file and product version {FULL_VERSION}", struct.unpack_from("<4I", version, 48) == fixed, None
    for key, value in VERSION_STRINGS.items():
        yield f"version string {key}", utf16(key) in version and utf16(value) in version, value
    yield "English version description", utf16(TEXTS[ENGLISH]["Description"]) in version, None
    yield "Japanese and English Unicode string tables", utf16("041104B0") in version and utf16("040904B0") in version, None
    yield "translations Japanese and English", b"\x11\x04\xb0\x04\x09\x04\xb0\x04" in version, None

    manifest = ET.fromstring(res[(24, 1, NEUTRAL)])
    found = {e.tag.split("}")[1]: e for e in manifest.iter()}
    level = found.get("requestedExecutionLevel")
    yield "asInvoker", level is not None and (level.get("level"), level.get("uiAccess")) == ("asInvoker", "false"), None
    yield "system DPI aware", found["dpiAware"].text == "true" and "dpiAwareness" not in found, None
    deps = [e.get("name") + " " + e.get("version") for e in manifest.iter() if e.tag.endswith("assemblyIdentity")][1:]
    yield "common controls 6", deps == ["Microsoft.Windows.Common-Controls 6.0.0.0"], deps
    yield "Windows 7 to 11", sum(1 for e in manifest.iter() if e.tag.endswith("supportedOS")) == 4, None


def png_pixels(data):
    """(width, height, bit depth, colour type, palette as (b, g, r), pixel indices) of an unfiltered PNG."""
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        chunks[kind] = chunks.get(kind, b"") + data[at + 8:at + 8 + length]
        at += 12 + length
    width, height, depth, colour_type = struct.unpack_from(">IIBB", chunks[b"IHDR"])
    pal = [bytes(reversed(chunks[b"PLTE"][3 * k:3 * k + 3])) for k in range(len(chunks[b"PLTE"]) // 3)]
    raw = zlib.decompress(chunks[b"IDAT"])
    rows = [raw[y * (width + 1):(y + 1) * (width + 1)] for y in range(height)]
    pixels = b"".join(row[1:] for row in rows) if all(row[0] == 0 for row in rows) else b""
    return width, height, depth, colour_type, pal, pixels


def ico_checks():
    """Each small image an 8-bit bitmap with its mask, the 256-pixel one an 8-bit palettised PNG; idle in greys
    only, active with red in it."""
    for name, sizes, grey in (("idle.ico", ICON_SIZES, True), ("active.ico", ICON_SIZES, False)):
        data = open(os.path.join(RES, "icons", name), "rb").read()
        count = struct.unpack_from("<HHH", data, 0)[2]
        for w, _, _, _, planes, bits, length, offset in (struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)):
            size = w or 256
            image = data[offset:offset + length]
            if size == 256:
                width, height, depth, colour_type, pal, pixels = png_pixels(image)
                yield f"{name} {size}: 8-bit palettised PNG", (
                    image.startswith(b"\x89PNG\r\n\x1a\n") and (width, height, depth, colour_type) == (256, 256, 8, 3)
                    and len(pixels) == size * size), (width, height, depth, colour_type)
            else:
                pal = [image[40 + 4 * k:43 + 4 * k] for k in range(256)]
                pixels = image[1064:1064 + size * size]
                yield f"{name} {size}: 8-bit bitmap with mask", (
                    struct.unpack_from("<IiiHHI", image) == (40, size, 2 * size, 1, 8, 0)
                    and length == 1064 + size * size + ((size + 31) // 32) * 4 * size), (planes, bits, length)
            used = {pal[p] for p in pixels}
            red = any(r > 200 and g < 80 and b < 80 for b, g, r in used)
            yield f"{name} {size}: colours", all(b == g == r for b, g, r in used) if grey else red, used
        yield f"{name} sizes", sorted(struct.unpack_from("<B", data, 6 + 16 * i)[0] or 256 for i in range(count)) == sizes, None


def main():
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "Hourglade.res")
        subprocess.run([WINDRES, "-c", "65001", "-I", ROOT, "-I", RES, os.path.join(RES, "Hourglade.rc"),
                        "-O", "res", "-o", out], check=True)
        res = read_res(out)
    passed = failed = 0
    for name, ok, detail in list(checks(res)) + list(ico_checks()):
        if ok:
            passed += 1
        else:
            failed += 1
            print(f"FAIL {name}: {detail!r}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
