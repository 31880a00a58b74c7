#!/usr/bin/python3
"""Reads a DXF file with ezdxf and prints what it finds as JSON, for the
template tests: the version, code page and extents, what ezdxf's audit says,
the linetypes' patterns, and per layer its colour (also as RGB from ezdxf's
palette), its linetype, and its entities: polylines with their closed flag,
bounding box (bulges included), area and place in the file's order, lines,
circles (with their place too) and texts (their
"\\U+XXXX" and caret notation decoded by ezdxf, and the characters written as
"\\U+XXXX" although code page 1251 holds them).

Usage: dxf_read.py FILE"""
import json
import re
import sys

import ezdxf
from ezdxf import bbox, path
from ezdxf.colors import aci2rgb


def box(entity):
    b = bbox.extents([entity])
    return [b.extmin.x, b.extmin.y, b.extmax.x, b.extmax.y]


def area(entity):
    points = list(path.make_path(entity).flattening(0.001))
    return abs(sum(a.x * b.y - b.x * a.y for a, b in zip(points, points[1:] + points[:1]))) / 2


def pattern(linetype):
    """The length, then the dashes (positive), gaps (negative) and dots (0)."""
    tags = linetype.pattern_tags.tags
    return [t.value for t in tags if t.code == 40] + [t.value for t in tags if t.code == 49]


def needless_escapes(raw):
    found = [chr(int(h, 16)) for h in re.findall(r"\\U\+([0-9A-F]{4})", raw)]
    return [c for c in found if c.encode("cp1251", errors="ignore") and c not in "\\"]


def main(filename):
    doc = ezdxf.readfile(filename)
    auditor = doc.audit()
    out = {
        "version": doc.dxfversion,
        "codepage": doc.header.get("$DWGCODEPAGE"),
        "extents": list(doc.header["$EXTMIN"])[:2] + list(doc.header["$EXTMAX"])[:2],
        "audit": [e.message for e in auditor.errors + auditor.fixes],
        "linetypes": {lt.dxf.name.upper(): pattern(lt) for lt in doc.linetypes},
        "layers": {},
    }
    for layer in doc.layers:
        out["layers"][layer.dxf.name] = {
            "colour": layer.dxf.color, "rgb": list(aci2rgb(layer.dxf.color)), "linetype": layer.dxf.linetype.upper(),
            "POLYLINE": [], "LINE": [], "CIRCLE": [], "TEXT": [], "other": []}
    for order, e in enumerate(doc.modelspace()):
        found = out["layers"][e.dxf.layer]
        kind = e.dxftype()
        linetype = e.dxf.get("linetype", "BYLAYER").upper()
        if kind == "POLYLINE":
            found[kind].append({"closed": e.is_closed, "box": box(e), "area": area(e), "order": order})
        elif kind == "LINE":
            found[kind].append({"from": list(e.dxf.start)[:2], "to": list(e.dxf.end)[:2], "linetype": linetype})
        elif kind == "CIRCLE":
            found[kind].append({"centre": list(e.dxf.center)[:2], "radius": e.dxf.radius, "order": order})
        elif kind == "TEXT":
            raw = e.dxf.text
            e.dxf.text = ezdxf.decode_dxf_unicode(raw)
            found[kind].append({"text": e.plain_text(), "at": list(e.dxf.insert)[:2], "height": e.dxf.height,
                                "centred": e.dxf.halign == 1, "align": list(e.dxf.get("align_point", (0, 0)))[:2],
                                "needless": needless_escapes(raw)})
        else:
            found["other"].append(kind)
    json.dump(out, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main(sys.argv[1])
