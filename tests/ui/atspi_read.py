#!/usr/bin/python3
"""Both windows read as a screen reader reads them: the program runs under
Xvfb with a session bus and the AT-SPI registry, and this client (Debian's
python3-pyatspi) fills the input window, presses Calculate, and reads the
names of both windows' controls from the registry.

usage: atspi_read.py PROGRAM
Exits 77 (skipped) where Xvfb, the session bus, the registry or pyatspi
are missing.
"""
import contextlib
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
INNER = "VINTORP_ATSPI_INNER"


def outer(program, script=__file__):
    """Runs script with PROGRAM again under Xvfb, a session bus and the registry."""
    missing = [tool for tool in ("xvfb-run", "dbus-run-session", "dbus-send") if not shutil.which(tool)]
    if not os.path.exists(BUS_LAUNCHER):
        missing.append(BUS_LAUNCHER)
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi")
    if missing:
        print("skipped, missing:", ", ".join(missing))
        return SKIP
    env = dict(os.environ, **{INNER: "1"})
    command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--",
               sys.executable, os.path.abspath(script), program]
    return subprocess.run(command, env=env, timeout=170).returncode


def wait_for(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit(f"FAIL: no {what} within {seconds} s")


def a11y_bus_up():
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    return subprocess.run(ask, capture_output=True).returncode == 0


def tree(node, depth=0):
    """(role, name, node, depth) of node and everything under it."""
    if node is None:
        return []
    rows = [(node.getRoleName(), node.name or "", node, depth)]
    for i in range(node.childCount):
        rows += tree(node.getChildAtIndex(i), depth + 1)
    return rows


@contextlib.contextmanager
def session(program):
    """The program started on the accessibility bus: yields its node in the
    registry and named(role, pattern, under=its node), the first node of
    that role whose name matches; the program is ended on leaving."""
    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    runtime = tempfile.mkdtemp()  # owner-only
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANGUAGE="en", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=runtime)
    app = None
    try:
        wait_for("accessibility bus", a11y_bus_up)
        app = subprocess.Popen([program], env=env)
        import pyatspi

        desktop = pyatspi.Registry.getDesktop(0)

        def program_node():
            for i in range(desktop.childCount):
                node = desktop.getChildAtIndex(i)
                if node is not None and (node.name or "").lower() == "vintorp":
                    return node
            return None

        root = wait_for("program in the registry", program_node)

        def named(role, pattern, under=root):
            rows = [r for r in tree(under) if r[0] == role and re.fullmatch(pattern, r[1])]
            return rows[0][2] if rows else None

        yield root, named
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


def calculate(named):
    """Fills the input window with the worked example and presses Calculate."""
    for letter, value in zip("ABCH", ("20", "25", "10", "30")):
        field = wait_for(f"field {letter}", lambda: named("text", letter + r", .+"))
        field.queryEditableText().setTextContents(value)
    wait_for("Calculate", lambda: named("push button", "Calculate")).queryAction().doAction(0)


def inner(program):
    with session(program) as (root, named):
        failures = []
        calculate(named)
        wait_for("drawing", lambda: named("text", r"overall width of the flange: 39\.5 mm"))

        rows = tree(root)
        for role, name, _, depth in rows:
            print("  " * depth + f"{role}: {name}")
        names = [name for role, name, _, _ in rows]
        fields = [n for n in names if re.fullmatch(r".+: \d+(\.\d+)? mm", n)]
        if len(set(fields)) != 14:
            failures.append(f"{len(set(fields))} drawing fields read with their value, not 14")
        wanted = [r"A, width of the leg that carries the bobbin", r"H, .+", r"E-core .+",
                  r"Calculate", r"Print", r"Notes:", r"1\. With many windings, .+"]
        for pattern in wanted:
            if not any(re.fullmatch(pattern, n) for n in names):
                failures.append(f"nothing read as {pattern!r}")
        images = [name for role, name, _, _ in rows if role == "image"]
        if not any(re.fullmatch(r"Bobbin drawing: .+", n) for n in images):
            failures.append(f"the drawing is not read as a picture: {images}")
        frames = [name for role, name, _, _ in rows if role == "frame"]
        for pattern in (r"Vintorp v\..+", r"Bobbin drawing"):
            if not any(re.fullmatch(pattern, n) for n in frames):
                failures.append(f"no window (frame) read as {pattern!r}: {frames}")
        unnamed = [f"{role} at depth {depth}" for role, name, _, depth in rows
                   if not name.strip() and role in ("text", "push button", "radio button", "label", "image")]
        if unnamed:
            failures.append("unnamed: " + ", ".join(unnamed))
        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0


if __name__ == "__main__":
    target = sys.argv[1]
    sys.exit(inner(target) if os.environ.get(INNER) == "1" else outer(target))
