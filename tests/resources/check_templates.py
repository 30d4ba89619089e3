#!/usr/bin/env python3
"""Compiles res/Hourglade.rc with windres and checks what came out in the binary resources: the
dialog templates (styles, fonts, controls, UTF-16 texts), the menu, the icon groups, the version
record and the manifest; and the layout of the two .ico files.

    check_templates.py            (WINDRES may name the resource compiler)

Ends with the line "N passed, N failed" and exits non-zero when anything failed.
"""

import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RES = os.path.join(ROOT, "res")
WINDRES = os.environ.get("WINDRES", "x86_64-w64-mingw32-windres")

# Window and control styles.
WS_POPUP, WS_VISIBLE, WS_CAPTION, WS_BORDER = 0x80000000, 0x10000000, 0x00C00000, 0x00800000
WS_SYSMENU, WS_CHILD, WS_GROUP, WS_TABSTOP = 0x00080000, 0x40000000, 0x00020000, 0x00010000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW = 0x8, 0x80, 0x40000
BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_GROUPBOX, BS_CENTER, BS_VCENTER, BS_PUSHLIKE = 1, 3, 7, 0x300, 0xC00, 0x1000
SS_CENTER, SS_RIGHT, SS_ICON, SS_WHITEFRAME, SS_NOTIFY, SS_CENTERIMAGE, SS_SUNKEN = 1, 2, 3, 9, 0x100, 0x200, 0x1000
BUTTON, STATIC = 0x80, 0x82
CHILD = WS_CHILD | WS_VISIBLE

CAPTIONED = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
PLAIN_POPUP = DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_BORDER

LABEL = CHILD | WS_GROUP
DIGIT = CHILD | WS_TABSTOP | BS_CENTER | BS_VCENTER
REMAIN = CHILD | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN
TOGGLE = CHILD | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE
PUSH = CHILD | WS_TABSTOP


def remaining(first, second):
    return [
        (STATIC, 1038, "0", (14, 23, 9, 11), REMAIN), (STATIC, 1039, "0", (24, 23, 9, 11), REMAIN),
        (STATIC, -1, first, (35, 28, 9, 8), LABEL),
        (STATIC, 1040, "0", (44, 23, 9, 11), REMAIN), (STATIC, 1041, "0", (54, 23, 9, 11), REMAIN),
        (STATIC, -1, second, (65, 28, 9, 8), LABEL),
    ]


def time_field(first, second):
    return [
        (BUTTON, 1054, "▼", (3, 12, 9, 9), PUSH),
        (BUTTON, 1033, "0", (14, 10, 10, 11), DIGIT), (BUTTON, 1034, "0", (24, 10, 10, 11), DIGIT),
        (STATIC, -1, first, (35, 15, 9, 8), LABEL),
        (BUTTON, 1035, "0", (44, 10, 10, 11), DIGIT), (BUTTON, 1036, "0", (54, 10, 10, 11), DIGIT),
        (STATIC, -1, second, (65, 15, 9, 8), LABEL),
        (STATIC, -1, "残", (1, 28, 9, 8), LABEL | SS_RIGHT),
    ] + remaining(first, second) + [(BUTTON, 1037, "セット", (3, 37, 33, 10), TOGGLE)]


def group(text, rect):
    return (BUTTON, -1, text, rect, CHILD | BS_GROUPBOX)


STOP = (BUTTON, 1042, "ストップ", (39, 37, 33, 10), TOGGLE)
NOT_SET = "セットされていません。"

# id: (style, extended style, caption, menu, (x, y, w, h), controls). An icon picture's text is its
# resource number.
DIALOGS = {
    102: (CAPTIONED, WS_EX_APPWINDOW, "Hourglade", 129, (0, 0, 160, 142), [
        group("アラーム", (0, 9, 160, 22)), (STATIC, 1046, NOT_SET, (16, 19, 144, 8), LABEL),
        group("タイマー", (0, 36, 160, 22)), (STATIC, 1047, NOT_SET, (16, 46, 144, 8), LABEL),
        group("カウンター", (0, 63, 160, 22)), (STATIC, 1048, NOT_SET, (16, 73, 144, 8), LABEL),
        group("電源の遮断", (0, 91, 160, 22)), (STATIC, 1049, NOT_SET, (16, 101, 144, 8), LABEL),
        (STATIC, -1, 128, (6, 120, 20, 20), CHILD | SS_ICON),
        (STATIC, -1, "Hourglade  ver. 5.1.0", (28, 120, 76, 8), LABEL),
        (STATIC, -1, "Copyright © 2026 Orvane-Pellit", (28, 128, 127, 8), LABEL),
        (BUTTON, 1053, "Website", (112, 120, 42, 7), PUSH),
    ]),
    103: (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 75, 50),
          [group("タイマー", (0, 0, 75, 50))] + time_field("分", "秒") + [STOP]),
    104: (PLAIN_POPUP, 0, "", None, (0, 0, 61, 49), []),
    105: (PLAIN_POPUP, 0, "", None, (0, 0, 143, 9), [(STATIC, 1044, "", (0, 0, 140, 8), LABEL)]),
    106: (CAPTIONED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 167, 27), [
        (STATIC, -1, 128, (11, 6, 20, 20), CHILD | SS_ICON), (STATIC, 1045, "", (35, 10, 125, 8), LABEL)]),
    107: (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 75, 50),
          [group("アラーム", (0, 1, 75, 50))] + time_field("時", "分")),
    108: (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 75, 50),
          [group("カウンター", (0, 1, 75, 50))] + remaining("分", "秒")
          + [(BUTTON, 1037, "セット", (3, 37, 33, 10), TOGGLE), STOP]),
    109: (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 75, 62),
          [group("電源の遮断", (0, 0, 75, 62))] + time_field("時", "分")
          + [(STATIC, 1052, "", (5, 50, 64, 9), CHILD | SS_WHITEFRAME | SS_NOTIFY)]),
    110: (CAPTIONED, WS_EX_TOOLWINDOW, "Hourglade", None, (0, 0, 117, 49), [
        group("終了", (0, 3, 117, 29)),
        (BUTTON, 1047, "タスクトレイから削除", (20, 16, 97, 8), CHILD | WS_TABSTOP | BS_AUTOCHECKBOX),
        (BUTTON, 1, "OK", (4, 35, 40, 11), PUSH | BS_DEFPUSHBUTTON),
        (BUTTON, 2, "キャンセル", (73, 35, 40, 11), PUSH)]),
    135: (DS_SETFONT | WS_POPUP | WS_SYSMENU, 0, "", None, (0, 0, 131, 76), []),
}

MENU = [
    ("メニュー", [(32773, "メインパネル"), None, (32917, "アラーム"), (32918, "タイマー"),
                  (32919, "カウンター"), (32920, "電源の遮断"), None, (32774, "終了")]),
    ("簡易セット", [(32926, "１分タイマー"), (32928, "３分タイマー"), (32929, "５分タイマー"),
                   (32930, "１０分タイマー"), None, (32931, "カウンターをスタート")]),
]


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
    """{(type, name): (language, data)} from a .res file."""
    data = open(path, "rb").read()
    out, pos = {}, 0
    while pos < len(data):
        r = Reader(data, pos)
        size, header = r.take("II")
        rtype, name = r.sz_or_ord(), r.sz_or_ord()
        r.align()
        _, _, lang = r.take("IHH")
        if size:
            out[(rtype, name)] = (lang, data[pos + header:pos + header + size])
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
        extra = r.take("H")
        r.pos += extra
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


def read_version_strings(data):
    """The fixed file version and the string values of every string table, by table name."""
    fixed = struct.unpack_from("<13I", data, 40)
    tables = {}

    def node(pos, path):
        r = Reader(data, pos)
        length, value_length, kind = r.take("HHH")
        key = r.sz()
        r.align()
        if kind == 1 and value_length:
            tables.setdefault(path[-1], {})[key] = data[r.pos:r.pos + 2 * value_length].decode("utf-16-le").rstrip("\0")
            r.pos += 2 * value_length
        else:
            r.pos += value_length
        r.align()
        while r.pos < pos + length:
            r.pos = node(r.pos, path + [key])
            r.align()
        return pos + length

    node(0, [])
    return fixed, tables


# --- checks -------------------------------------------------------------------------------------

def checks(res):
    lang = {lang for lang, _ in res.values()}
    yield "every resource is Japanese", lang == {0x411}, lang

    for did, (style, exstyle, caption, menu, rect, controls) in DIALOGS.items():
        got = read_dialog(res[(5, did)][1])
        yield f"dialog {did} font", got[5] == (8, 400, "メイリオ"), got[5]
        yield f"dialog {did} frame", got[:5] == (style, exstyle, caption, menu, rect), got[:5]
        yield f"dialog {did} control count", len(got[6]) == len(controls), len(got[6])
        for want, have in zip(controls, got[6]):
            yield f"dialog {did} control {want[1]} {want[2]!r}", want == have, have

    yield "menu 129", read_menu(res[(4, 129)][1]) == MENU, read_menu(res[(4, 129)][1])

    for gid, sizes in ((128, [48, 32, 16, 256]), (129, [32])):
        data = res[(14, gid)][1]
        n = struct.unpack_from("<H", data, 4)[0]
        entries = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(n)]
        got = sorted(e[0] or 256 for e in entries)
        yield f"icon {gid} sizes", got == sorted(sizes), got
        yield f"icon {gid} 256 colours", all(e[5] == 8 and e[2] == 0 for e in entries), entries

    fixed, tables = read_version_strings(res[(16, 1)][1])
    yield "file and product version 5.1.0.0", fixed[2:6] == (0x50001, 0, 0x50001, 0), fixed[2:6]
    want = {"CompanyName": "Orvane-Pellit", "FileDescription": "アラーム、タイマー、カウンター、電源の遮断",
            "FileVersion": "5.1.0.0", "InternalName": "Hourglade",
            "LegalCopyright": "Copyright © 2026 Orvane-Pellit", "OriginalFilename": "Hourglade.exe",
            "ProductName": "Hourglade", "ProductVersion": "5.1.0.0"}
    yield "version strings", tables.get("041104B0") == want, tables

    manifest = ET.fromstring(res[(24, 1)][1])
    ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
          "ws": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
          "c": "urn:schemas-microsoft-com:compatibility.v1"}
    level = manifest.find(".//v3:requestedExecutionLevel", ns)
    yield "asInvoker", level is not None and (level.get("level"), level.get("uiAccess")) == ("asInvoker", "false"), level
    dpi = [e.text for e in manifest.iter("{%s}dpiAware" % ns["ws"])]
    yield "system DPI aware", dpi == ["true"] and not list(manifest.iter("{%s}dpiAwareness" % ns["ws"])), dpi
    deps = [(e.get("name"), e.get("version")) for e in manifest.findall(".//v1:dependentAssembly/v1:assemblyIdentity", ns)]
    yield "common controls 6", deps == [("Microsoft.Windows.Common-Controls", "6.0.0.0")], deps
    yield "supported systems", len(manifest.findall(".//c:supportedOS", ns)) == 4, None


def ico_checks():
    for name, sizes in (("idle.ico", [16, 32, 48, 256]), ("active.ico", [32])):
        data = open(os.path.join(RES, "icons", name), "rb").read()
        _, kind, count = struct.unpack_from("<HHH", data, 0)
        yield f"{name} is an icon file with {len(sizes)} images", (kind, count) == (1, len(sizes)), (kind, count)
        reds = 0
        for i in range(count):
            w, h, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            size = w or 256
            hdr = struct.unpack_from("<IiiHHI", data, offset)
            stride, mask_stride = (size + 3) & ~3, ((size + 31) // 32) * 4
            want_len = 40 + 1024 + stride * size + mask_stride * size
            yield f"{name} {size}: 8-bit bitmap with mask", (
                size in sizes and w == h and (planes, bits) == (1, 8) and hdr == (40, size, 2 * size, 1, 8, 0)
                and length == want_len and offset + length <= len(data)), (size, hdr, length, want_len)
            pal = [data[offset + 40 + 4 * k:offset + 44 + 4 * k] for k in range(256)]
            pixels = data[offset + 1064:offset + 1064 + stride * size]
            used = {pal[p][:3] for p in pixels}
            greys = all(b == g == r for b, g, r in used)
            yield f"{name} {size}: more than two colours", len(used) > 2, len(used)
            reds += sum(1 for b, g, r in used if r > 200 and g < 80 and b < 80)
            if name == "idle.ico":
                yield f"{name} {size}: greys only", greys, used
        if name == "active.ico":
            yield "active.ico has a red glyph", reds > 0, reds


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
