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
        if found := find():
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


# What each event told: (kind, its source's name, the text or state it
# carries). Qt's own bridge sends some changes without their text, which no
# screen reader can speak: only a text counts here.
told = []


def listen(e):
    data = e.detail1 if "state-changed" in e.type else e.any_data
    told.append((e.type.split(":")[-1], e.source.name, data if isinstance(data, (str, int)) else None))


def expect(what, kind, source, data, seconds=10):
    """Waits for an event of this kind from a source so named (None: any)
    carrying data that matches (a regular expression, a state, or None: any)."""
    wait_for(what + " was not told", lambda: any(
        k == kind and source in (None, s) and (data is None or d == data if not isinstance(
            data, str) else isinstance(d, str) and re.fullmatch(data, d)) for k, s, d in told),
        seconds)


for kind in ("property-change:accessible-value", "property-change:accessible-name",
             "property-change:accessible-description", "state-changed:visible"):
    pyatspi.Registry.registerEventListener(listen, "object:" + kind)
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


def check(expected):
    """Presses CORRIGIR and OK; the message box must say what is expected."""
    press(buttons[4])
    alert = wait_for("no message box after CORRIGIR", lambda: find(app, role=pyatspi.ROLE_ALERT))
    if not find(alert, expected):
        sys.exit(f"FAIL: the message box does not say {expected}")
    press(find(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
    wait_for("the message box stayed open", lambda: not find(app, role=pyatspi.ROLE_ALERT), 10)


# The exercise is the window's name from the start: the number to build.
number = re.fullmatch(r"Ordel, forme o número ([1-9])", frame.name)
if not number or not find(frame, number[1], pyatspi.ROLE_LABEL):
    sys.exit(f"FAIL: the window's name does not tell the number shown: {frame.name!r}")

# Each bead put on or taken off is told with the rod's new count as text,
# count first, on the focused add button and on the rod's area.
for control in (buttons[3], buttons[3], buttons[3], areas[3]):
    press(control)
wait_for("the units rod's value is not 2", lambda: areas[3].queryValue().currentValue == 2, 10)
expect("a value change", "accessible-value", "Haste das unidades", None)
for count in ("1 conta", "2 contas", "3 contas"):
    expect(count, "accessible-description", "UNIDADE", count + r"\. Adicionar uma conta .*")
expect("the removal", "accessible-description", "Haste das unidades", r"2 contas; .*")
check("Muito bem, você acertou !!!" if number[1] == "2" else "Tente Novamente !!!")

# At level "Avançado" the exercise is told as the window's new name, the
# heading and the exercise line with their new captions, and the labels shown
# as visible.
press(find(frame, "Avançado", pyatspi.ROLE_MENU_ITEM))
sum_told = r"Ordel, ([0-9]+) mais ([0-9]+) igual"
expect("the exercise at level Avançado", "accessible-name", None, sum_told)
operands = re.fullmatch(sum_told, frame.name) or sys.exit(f"FAIL: the name is {frame.name!r}")
for caption in ("Avançado", operands[1], "mais"):
    expect(f"the caption {caption}", "accessible-name", caption, re.escape(caption))
for label in (operands[1], "mais", "igual"):
    expect(f"the label {label} shown", "visible", label, 1)

# A right answer brings the next exercise, told as the window's name (unless
# the same sum is drawn again, when there is nothing new to tell).
total = int(operands[1]) + int(operands[2])
for button, times in ((buttons[2], total // 10), (buttons[3], total % 10)):
    for _ in range(times):
        press(button)
check("Muito bem, você acertou !!!")
nextsum = wait_for("no next sum", lambda: re.fullmatch(sum_told, frame.name), 10)[0]
if nextsum != operands[0]:
    expect("the next exercise", "accessible-name", None, re.escape(nextsum))

# Back at level "Iniciante" the sign and the equals sign are told hidden.
press(find(frame, "Iniciante", pyatspi.ROLE_MENU_ITEM))
for label in ("mais", "igual"):
    expect(f"the label {label} hidden", "visible", label, 0)
print(f"each count told; {operands[0]!r} told, labels shown; {total} right; {nextsum!r} told; "
      "back at Iniciante, labels hidden")
