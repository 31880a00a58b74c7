#!/usr/bin/python3
"""The windings window as a screen reader reads it (the recipe of
atspi_read.py): the verdict is in the Tab chain and a change of it raises
an event a reader speaks; a cell that cannot be read says why; an empty cell
is read as what it shows; the section is a picture that says its values;
the drawing's first note says what X and Z are.

usage: atspi_windings.py PROGRAM
Exits 77 (skipped) where Xvfb, the session bus, the registry or pyatspi
are missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_read as base  # noqa: E402


def inner(program):
    launcher = subprocess.Popen([base.BUS_LAUNCHER, "--launch-immediately"])
    runtime = tempfile.mkdtemp()  # owner-only
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANGUAGE="en", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=runtime)
    app = None
    try:
        base.wait_for("accessibility bus", base.a11y_bus_up)
        app = subprocess.Popen([program], env=env)
        import pyatspi
        from gi.repository import GLib

        desktop = pyatspi.Registry.getDesktop(0)
        root = base.wait_for("program in the registry", lambda: next(
            (n for n in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
             if n is not None and (n.name or "").lower() == "vintorp"), None))

        def named(role, pattern, under=root):
            rows = [r for r in base.tree(under) if r[0] == role and re.fullmatch(pattern, r[1])]
            return rows[0][2] if rows else None

        heard = []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append((e.type, e.source.getRoleName(), e.source.name or "")),
            "object:property-change:accessible-name", "object:text-changed")

        def pump():
            context = GLib.MainContext.default()
            while context.pending():
                context.iteration(False)

        failures = []
        for letter, value in zip("ABCH", ("20", "25", "10", "30")):
            base.wait_for(f"field {letter}", lambda: named("text", letter + r", .+")) \
                .queryEditableText().setTextContents(value)
        base.wait_for("Calculate", lambda: named("push button", "Calculate")).queryAction().doAction(0)
        note = base.wait_for("note 1", lambda: named("label", r"1\. With many windings, .+"))
        if not re.search(r"\bX\b.+\bZ\b", note.description or ""):
            failures.append(f"note 1 does not say what X and Z are: {note.description!r}")
        base.wait_for("Windings…", lambda: named("push button", "Windings…")).queryAction().doAction(0)
        window = base.wait_for("windings window", lambda: named("frame", r"Windings"))

        verdict = base.wait_for("verdict", lambda: named("label", r"Add a winding .+", window))
        if not verdict.getState().contains(pyatspi.STATE_FOCUSABLE):
            failures.append("the verdict is not focusable")
        before = verdict.name
        heard.clear()
        named("push button", "Add", window).queryAction().doAction(0)

        def verdict_said():
            pump()
            return [e for e in heard if e[1] == "label" and e[2] and e[2] != before]
        try:
            base.wait_for("event for the new verdict", verdict_said, 10)
        except SystemExit as missing:
            failures.append(f"{missing}; heard {heard}")

        table = base.wait_for("table", lambda: named("table", r"Windings", window)).queryTable()
        cells = [[table.getAccessibleAt(0, c) for c in range(table.nColumns)]]
        described = [c.description for c in cells[0] if (c.description or "").startswith("Error: ")]
        if not described:
            failures.append("no cell says why it cannot be read: "
                            + repr([c.description for c in cells[0]]))
        layer = cells[0][7]
        if not (layer.name or "").strip():
            failures.append("the empty layer factor cell has no name")

        section = named("image", r".+", window)
        if section is None or not re.search(r"D 8\.50 mm.+L 27\.50 mm", section.description or ""):
            failures.append(f"the section is no picture that says D and L: "
                            f"{section and section.description!r}")
        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0
    finally:
        if app is not None:
            app.terminate()
            try:
                app.wait(timeout=10)
            except subprocess.TimeoutExpired:
                app.kill()
        launcher.terminate()
        launcher.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    target = sys.argv[1]
    sys.exit(inner(target) if os.environ.get(base.INNER) == "1" else base.outer(target, __file__))
