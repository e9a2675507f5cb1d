# The program's window as the accessibility bus shows it to a screen reader:
# found by its Portuguese names, driven by the "Press" action, read back by
# the rod's value. Takes the program to start: it listens on the bus first,
# as a screen reader started before the program would.
import atexit, os, subprocess, sys, time

import pyatspi
from gi.repository import GLib


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)  # deliver bus events
        if program.poll() is not None:
            sys.exit(f"FAIL: the program ended with status {program.returncode}")
        found = find()
        if found:
            return found
        time.sleep(0.05)
    sys.exit("FAIL: " + what)


def find(root, name=None, role=None):
    return root and pyatspi.findDescendant(
        root, lambda a: name in (None, a.name) and role in (None, a.getRole()))


def press(control):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        sys.exit(f"FAIL: {control.name} has no Press action: {names}")
    action.doAction(names.index("Press"))
    time.sleep(0.3)  # a button's press animates; a second one inside it is lost


told = []
pyatspi.Registry.registerEventListener(
    lambda e: told.append(e.source.name), "object:property-change:accessible-value")
program = subprocess.Popen(sys.argv[1], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
atexit.register(program.kill)
app = wait_for("the program did not show on the accessibility bus", lambda: next(
    (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "ordel"), None))
frame = wait_for("no frame Ordel", lambda: find(app, "Ordel", pyatspi.ROLE_FRAME))
buttons = [wait_for(f"no button {n}", lambda n=n: find(frame, n, pyatspi.ROLE_PUSH_BUTTON))
           for n in ("MILHAR", "CENTENA", "DEZENA", "UNIDADE", "CORRIGIR")]
areas = [wait_for(f"no rod area {n}", lambda n=n: find(frame, "Haste " + n))
         for n in ("dos milhares", "das centenas", "das dezenas", "das unidades")]

for control in (buttons[3], buttons[3], buttons[3], areas[3]):
    press(control)
wait_for("the units rod's value did not come to 2",
         lambda: areas[3].queryValue().currentValue == 2, 10)
wait_for("no value change told on the bus", lambda: "Haste das unidades" in told, 10)
wait_for("UNIDADE's description does not open with its count",
         lambda: buttons[3].description.startswith("2 contas."), 10)

press(buttons[4])
alert = wait_for("no message box after CORRIGIR", lambda: find(app, role=pyatspi.ROLE_ALERT), 10)
if not (find(alert, "Muito bem, você acertou !!!") or find(alert, "Tente Novamente !!!")):
    sys.exit("FAIL: the message box says neither answer")
press(find(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
wait_for("the message box stayed open", lambda: not find(app, role=pyatspi.ROLE_ALERT), 10)
print("found the frame, 5 buttons and 4 rod areas; 3 beads added and 1 taken off by Press, "
      "value 2 read back; the message box answered")
