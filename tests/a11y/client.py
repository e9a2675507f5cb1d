# The program's window as the accessibility bus shows it to a screen reader:
# found by its Portuguese names, driven by the "Press" action, read back by
# the rod's value. Takes the program to start: it listens on the bus first,
# as a screen reader started before the program would.
import atexit
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    sys.exit("FAIL: " + message)


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)  # deliver bus events
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail(what)


def app():
    if program.poll() is not None:
        fail("the program ended before it showed on the accessibility bus")
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "ordel"), None)


def named(root, name, role=None):
    return pyatspi.findDescendant(
        root, lambda a: a.name == name and role in (None, a.getRole()))


def press(control):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{control.name} has no Press action: {names}")
    action.doAction(names.index("Press"))
    time.sleep(0.3)  # a button's press animates; a second one inside it is lost


told = []
pyatspi.Registry.registerEventListener(
    lambda e: told.append(e.source.name), "object:property-change:accessible-value")
program = subprocess.Popen(sys.argv[1], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
atexit.register(program.kill)

frame = wait_for("the program did not show on the accessibility bus", lambda: next(
    (w for w in (app() or []) if w.name == "Ordel"), None))
buttons = [wait_for(f"no button {n}", lambda n=n: named(frame, n, pyatspi.ROLE_PUSH_BUTTON))
           for n in ("MILHAR", "CENTENA", "DEZENA", "UNIDADE", "CORRIGIR")]
areas = [wait_for(f"no rod area {n}", lambda n=n: named(frame, "Haste " + n))
         for n in ("dos milhares", "das centenas", "das dezenas", "das unidades")]

for _ in range(3):
    press(buttons[3])
press(areas[3])
wait_for("the units rod's value did not come to 2",
         lambda: areas[3].queryValue().currentValue == 2, 10)
wait_for("UNIDADE's description does not open with its count",
         lambda: buttons[3].description.startswith("2 contas."), 10)
wait_for(f"no value change told on the bus: {told}", lambda: "Haste das unidades" in told, 10)

press(buttons[4])
alert = wait_for("no message box after CORRIGIR", lambda: pyatspi.findDescendant(
    app(), lambda a: a.getRole() == pyatspi.ROLE_ALERT), 10)
texts = ("Muito bem, você acertou !!!", "Tente Novamente !!!")
if not any(named(alert, t) for t in texts):
    fail("the message box says neither answer")
press(named(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
wait_for("the message box stayed open", lambda: not pyatspi.findDescendant(
    app(), lambda a: a.getRole() == pyatspi.ROLE_ALERT), 10)
print("the frame, 5 buttons and 4 rod areas found; a bead added 3 times and taken off once "
      "by Press, value 2 read back; the message box answered")
