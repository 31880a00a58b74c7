#!/usr/bin/python3
"""The windings window as a screen reader reads it (the recipe of
atspi_read.py): the verdict is in the Tab chain and a change of it raises an
event a reader speaks; a cell that cannot be read says why; an empty cell is
read as what it shows; the section is a picture that says its values; the
drawing's first note says what X and Z are.

usage: atspi_windings.py PROGRAM (exits 77, skipped, as atspi_read.py does)
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_read as base  # noqa: E402


def inner(program):
    with base.session(program) as (root, named):
        import pyatspi
        from gi.repository import GLib

        heard = []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append((e.source.getRoleName(), e.source.name or "")),
            "object:property-change:accessible-name", "object:text-changed")
        failures = []
        base.calculate(named)
        note = base.wait_for("note 1", lambda: named("label", r"1\. With many windings, .+"))
        if not re.search(r"\bX\b.+\bZ\b", note.description or ""):
            failures.append(f"note 1 does not say what X and Z are: {note.description!r}")
        base.wait_for("Windings…", lambda: named("push button", "Windings…")).queryAction().doAction(0)
        window = base.wait_for("windings window", lambda: named("frame", r"Windings"))

        verdict = base.wait_for("verdict", lambda: named("label", r"Add a winding .+", window))
        if not verdict.getState().contains(pyatspi.STATE_FOCUSABLE):
            failures.append("the verdict is not focusable")
        before = verdict.name
        named("push button", "Add", window).queryAction().doAction(0)

        def verdict_said():
            while GLib.MainContext.default().iteration(False):
                pass
            return [e for e in heard if e[0] == "label" and e[1] and e[1] != before]
        try:
            base.wait_for("event for the new verdict", verdict_said, 10)
        except SystemExit as missing:
            failures.append(f"{missing}; heard {heard}")

        table = base.wait_for("table", lambda: named("table", r"Windings", window)).queryTable()
        cells = base.wait_for("the new row", lambda: (lambda row: all(row) and row)(
            [table.getAccessibleAt(0, c) for c in range(table.nColumns)]))
        if not any((c.description or "").startswith("Error: ") for c in cells):
            failures.append(f"no cell says why it cannot be read: {[c.description for c in cells]}")
        if not (cells[7].name or "").strip():
            failures.append("the empty layer factor cell has no name")
        section = named("image", r".+", window)
        if section is None or not re.search(r"D 8\.50 mm.+L 27\.50 mm", section.description or ""):
            failures.append(f"the section is no picture that says D and L: {section and section.description!r}")
        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0


if __name__ == "__main__":
    target = sys.argv[1]
    sys.exit(inner(target) if os.environ.get(base.INNER) == "1" else base.outer(target, __file__))
