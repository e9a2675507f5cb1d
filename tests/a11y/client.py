# The program's window as the accessibility bus shows it to a screen reader:
# found by its Portuguese names, driven by the "Press" action, read back by
# its names, descriptions and values, and heard through the events a screen
# reader speaks from. Takes the program to start: it listens on the bus first,
# as a screen reader started before the program would.
import atexit, os, re, subprocess, sys, time

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


def press(control, action="Press"):
    actions = control.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        sys.exit(f"FAIL: {control.name} has no {action} action: {names}")
    actions.doAction(names.index(action))
    time.sleep(0.3)  # a button's press animates; a second one inside it is lost


# What each event told, as (kind, name of its source, text or state it
# carries). Qt's own bridge sends some changes with no text, which screen
# readers cannot speak: only events that carry a text count here.
told = []


def listen(event):
    data = event.any_data if isinstance(event.any_data, str) else None
    if event.type.startswith("object:state-changed:"):
        data = event.detail1
    told.append((event.type, event.source.name, data))


def heard(kind, source, data):
    """Whether an event of this kind came from a source so named (None: any)
    with data that matches (a regular expression, or a number)."""
    return any(k == kind and source in (None, s) and
               (d == data if isinstance(data, int) else isinstance(d, str) and re.fullmatch(data, d))
               for k, s, d in told)


for kind in ("object:property-change:accessible-value", "object:property-change:accessible-name",
             "object:property-change:accessible-description", "object:state-changed:visible"):
    pyatspi.Registry.registerEventListener(listen, kind)
program = subprocess.Popen(sys.argv[1], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
atexit.register(program.kill)
app = wait_for("the program did not show on the accessibility bus", lambda: next(
    (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "ordel"), None))
frame = wait_for("no frame Ordel", lambda: pyatspi.findDescendant(
    app, lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.startswith("Ordel")))
buttons = [wait_for(f"no button {n}", lambda n=n: find(frame, n, pyatspi.ROLE_PUSH_BUTTON))
           for n in ("MILHAR", "CENTENA", "DEZENA", "UNIDADE", "CORRIGIR")]
areas = [wait_for(f"no rod area {n}", lambda n=n: find(frame, "Haste " + n))
         for n in ("dos milhares", "das centenas", "das dezenas", "das unidades")]

# The exercise is the window's name from the start: the number to build.
number = re.fullmatch(r"Ordel, forme o número ([1-9])", frame.name)
if not number or not find(frame, number[1], pyatspi.ROLE_LABEL):
    sys.exit(f"FAIL: the window's name does not tell the number shown: {frame.name!r}")

# Every bead put on or taken off is told with the rod's new count, count
# first, on the focused add button and on the rod's area.
for control in (buttons[3], buttons[3], buttons[3], areas[3]):
    press(control)
wait_for("the units rod's value did not come to 2",
         lambda: areas[3].queryValue().currentValue == 2, 10)
wait_for("no value change told on the bus",
         lambda: any(s == "Haste das unidades" for k, s, d in told if k.endswith("value")), 10)
for count in ("1 conta", "2 contas", "3 contas"):
    wait_for(f"UNIDADE's change to {count} was not told with its text", lambda count=count: heard(
        "object:property-change:accessible-description", "UNIDADE",
        count + r"\. Adicionar uma conta na haste das unidades;.*"), 10)
wait_for("the removal was not told on the rod's area with its text", lambda: heard(
    "object:property-change:accessible-description", "Haste das unidades", r"2 contas; .*"), 10)
if buttons[3].description.split(".")[0] != "2 contas":
    sys.exit(f"FAIL: UNIDADE's description is {buttons[3].description!r}")

# CORRIGIR answers in a message box, whatever the board.
press(buttons[4])
alert = wait_for("no message box after CORRIGIR", lambda: find(app, role=pyatspi.ROLE_ALERT), 10)
if not (find(alert, "Muito bem, você acertou !!!") or find(alert, "Tente Novamente !!!")):
    sys.exit("FAIL: the message box says neither answer")
press(find(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
wait_for("the message box stayed open", lambda: not find(app, role=pyatspi.ROLE_ALERT), 10)

# At level "Avançado" the new exercise is told as the window's new name, and
# the heading and the exercise line are told visible, each with its text.
del told[:]
press(find(frame, "Avançado", pyatspi.ROLE_MENU_ITEM))
sum_told = r"Ordel, ([0-9]+) mais ([0-9]+) igual"
wait_for("the exercise at level Avançado was not told",
         lambda: heard("object:property-change:accessible-name", None, sum_told), 10)
operands = re.fullmatch(sum_told, frame.name)
if not operands:
    sys.exit(f"FAIL: the window's name is {frame.name!r}")
for source, data in (("Avançado", "Avançado"), (operands[1], operands[1]), ("mais", "mais")):
    wait_for(f"the caption {data} was not told with its text",
             lambda source=source, data=data: heard(
                 "object:property-change:accessible-name", source, re.escape(data)), 10)
for label in (operands[1], "mais", "igual"):
    wait_for(f"the label {label} was not told visible",
             lambda label=label: heard("object:state-changed:visible", label, 1), 10)

# A right answer brings the next exercise, told as the window's name.
total = int(operands[1]) + int(operands[2])
del told[:]
for _ in range(total // 10):
    press(buttons[2])
for _ in range(total % 10):
    press(buttons[3])
press(buttons[4])
alert = wait_for("no message box after the right answer",
                 lambda: find(app, role=pyatspi.ROLE_ALERT), 10)
if not find(alert, "Muito bem, você acertou !!!"):
    sys.exit(f"FAIL: {total} on the rods was not taken as right")
press(find(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
wait_for("the message box stayed open", lambda: not find(app, role=pyatspi.ROLE_ALERT), 10)
wait_for("the next exercise is not the window's name",
         lambda: re.fullmatch(sum_told, frame.name), 10)
# The same sum may be drawn twice running; then there is no change to tell.
same = frame.name == operands[0]
if not same:
    wait_for("the next exercise was not told", lambda: heard(
        "object:property-change:accessible-name", None, re.escape(frame.name)), 10)

print(f"found the frame, 5 buttons and 4 rod areas; 3 beads added and 1 taken off by Press, "
      f"each count told with its text; the message box answered; Avançado told as "
      f"{operands[0]!r} with its labels visible; {total} built and the next exercise "
      + ("drawn the same" if same else f"told as {frame.name!r}"))
