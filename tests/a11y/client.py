# The program's window as the accessibility bus shows it to a screen reader:
# found by its Portuguese names, driven by the "Press" action, read back by
# its names, descriptions and values, and heard through the events a screen
# reader speaks from. Takes the program to start: it listens on the bus first,
# as a screen reader started before the program would. Its words are the
# program's own, read from the headers that hold them.
import atexit, os, re, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import GLib


def fail(why):
    sys.exit("FAIL: " + why)


root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
W = {}  # each text the headers name (k...), or its table of texts
for path in ("app/Words.h", "exercises/Texts.h"):
    with open(os.path.join(root, path), encoding="utf-8") as source:
        for name, value in re.findall(r"constexpr (?:std::string_view|auto) (k\w+) =(.*?);\n",
                                      source.read(), re.S):
            texts = [t.replace("\\n", "\n") for t in re.findall(r'"([^"]*)"', value)]
            W[name] = "".join(texts) if value.strip().startswith('"') else texts


def said(name, *parts):  # a text of W as a regular expression, %1... being the parts
    return re.sub(r"%(\d)", lambda m: parts[int(m[1]) - 1], re.escape(W[name]))


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):  # deliver every bus event
            pass  # (a key waits on a keystroke listener's answer for a short time)
        if program.poll() is not None:
            fail(f"the program ended with status {program.returncode}")
        if found := find():
            return found
        time.sleep(0.05)
    if what:
        fail(what)


def find(root, name=None, role=None, showing=False):
    return root and pyatspi.findDescendant(root, lambda a: name in (None, a.name) and role in (
        None, a.getRole()) and (not showing or a.getState().contains(pyatspi.STATE_SHOWING)))


def shown(role):
    return find(app, role=role, showing=True)


def press(control):
    actions = control.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    "Press" in names or fail(f"{control.name} has no Press action: {names}")
    actions.doAction(names.index("Press"))
    wait_for("", lambda: None, 0.3)  # a button's press animates; a second one inside it is lost


def key(name):  # on the focused window, serving the bus meanwhile
    keysyms = dict(BackSpace=0xff08, Tab=0xff09, Escape=0xff1b, Down=0xff54, F1=0xffbe, F2=0xffbf)
    pyatspi.Registry.generateKeyboardEvent(keysyms[name], "", pyatspi.KEY_SYM)
    wait_for("", lambda: None, 0.3)


# What each event told: (kind, its source's name, the text or state it
# carries). Qt's own bridge sends some changes without their text, which no
# screen reader can speak: only a text counts here.
told = []


def listen(e):
    data = e.detail1 if "state-changed" in e.type else e.any_data
    told.append((e.type.split(":")[-1], e.source.name, data if isinstance(data, (str, int)) else None))


def matches(d, data):  # data: a regular expression, a state, or None for any
    if isinstance(data, str):
        return isinstance(d, str) and re.fullmatch(data, d)
    return data is None or d == data


def expect(what, kind, source, data, seconds=10):
    """Waits for an event of this kind from a source so named (None: any)."""
    wait_for(what + " was not told", lambda: any(
        k == kind and source in (None, s) and matches(d, data) for k, s, d in told), seconds)


for kind in ("property-change:accessible-value", "property-change:accessible-name",
             "property-change:accessible-description", "state-changed:visible", "announcement"):
    pyatspi.Registry.registerEventListener(listen, "object:" + kind)
keys_heard = []  # what reaches a screen reader's keystroke listener
hear_key = lambda e: keys_heard.append(e.event_string) or False  # not consumed
key_kind = dict(mask=0, kind=(pyatspi.KEY_PRESSED_EVENT,))
pyatspi.Registry.registerKeystrokeListener(hear_key, synchronous=True, preemptive=False, **key_kind)
# The program's standard error, which normal use leaves empty.
runtime, errors = tempfile.mkdtemp(), tempfile.TemporaryFile()
program = subprocess.Popen(sys.argv[1], stderr=errors, env=dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=runtime))
atexit.register(program.kill)
app = wait_for("the program did not show on the accessibility bus", lambda: next(
    (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "ordel"), None))
frame = wait_for("no frame Ordel", lambda: pyatspi.findDescendant(
    app, lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.startswith(W["kProgramTitle"])))
buttons = [wait_for(f"no button {n}", lambda n=n: find(frame, n, pyatspi.ROLE_PUSH_BUTTON))
           for n in W["kRodButtons"] + [W["kCheckButton"]]]
areas = [wait_for(f"no rod area {n}", lambda n=n: find(frame, W["kRodArea"].replace("%1", n)))
         for n in W["kRodsOf"]]


def check(expected):
    """Presses CORRIGIR and OK; the message box must say what is expected, in
    its text and in its name, which braille shows."""
    press(buttons[4])
    alert = wait_for("no message box after CORRIGIR", lambda: shown(pyatspi.ROLE_ALERT))
    named = W["kMessageBoxName"].replace("%1", W["kProgramTitle"]).replace("%2", expected)
    if not find(alert, expected) or alert.name != named:
        fail(f"the message box does not say {expected}: {alert.name!r}")
    press(find(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))
    wait_for("the message box stayed open", lambda: not shown(pyatspi.ROLE_ALERT), 10)


def board_told(where, exercise, counts):
    """F2 tells where the pupil is and the board: an announcement, or before
    Qt 6.8 the focused button's description event, carrying the words."""
    rods = ", ".join(f"{rod} {n}" for rod, n in zip(W["kRodsOnBoard"], counts))
    pattern = said("kBoard", where, exercise, rods)
    key("F2")
    wait_for(f"F2 did not tell {pattern}", lambda: any(
        k in ("announcement", "accessible-description") and matches(d, pattern)
        for k, s, d in told[-4:]), 10)


# The exercise is the window's name from the start: the number to build.
title = re.escape(W["kProgramTitle"])
number = re.fullmatch(said("kWindowName", title, said("kToBuild", "([1-9])")), frame.name)
if not number or not find(frame, number[1], pyatspi.ROLE_LABEL):
    fail(f"the window's name does not tell the number shown: {frame.name!r}")

# Each bead put on or taken off is told with the rod's new count alone, as
# text, on the focused add button, and on the rod's area. Backspace on the
# button takes one off and reaches a screen reader's keystroke listener.
# What the keys do is told on arriving at the button.
for control in (buttons[3], buttons[3], buttons[3], areas[3], buttons[3]):
    press(control)
key("BackSpace")
wait_for("the units rod's value is not 2", lambda: areas[3].queryValue().currentValue == 2, 10)
wait_for("Backspace did not reach the keystroke listener", lambda: "BackSpace" in keys_heard)
pyatspi.Registry.deregisterKeystrokeListener(hear_key, **key_kind)
expect("a value change", "accessible-value", areas[3].name, None)
counts = [W["kBeads"].replace("%1", str(n)) if n != 1 else W["kOneBead"] for n in (1, 2, 3, 2, 3, 2)]
if counts != [d for k, s, d in told if k == "accessible-description" and s == buttons[3].name]:
    fail(f"the counts told on UNIDADE are not {counts}: {told}")
expect("the removal", "accessible-description", areas[3].name, said("kAreaHint", counts[-1]))
key("Tab"), key("Tab")
if not re.fullmatch(said("kButtonHint", said("kBeads", "0"), W["kRodsOf"][1]), buttons[1].description):
    fail(f"CENTENA on arrival is described {buttons[1].description!r}")
board_told(", ".join((W["kIniciante"], W["kModeWords"][0])), said("kToBuild", "[1-9]") + r"\.",
           (0, 0, 0, 2))
check(W["kWrong"] if number[1] != "2" else W["kCorrect"])

# At level "Avançado" the exercise is told as the window's new name, the
# heading and the exercise line with their new captions, and the labels shown
# as visible.
press(find(frame, W["kMenuAvancado"].replace("&", ""), pyatspi.ROLE_MENU_ITEM))
plus, equals = W["kSignWords"][0], W["kEqualsWord"]
line = " ".join(("([0-9]+)", plus, "([0-9]+)", equals, re.escape(W["kHowMuch"])))
sum_told = said("kWindowName", title, line)
expect("the exercise at level Avançado", "accessible-name", None, sum_told)
operands = re.fullmatch(sum_told, frame.name) or fail(f"the name is {frame.name!r}")
for caption in (W["kAvancado"], operands[1], plus):
    expect(f"the caption {caption}", "accessible-name", caption, re.escape(caption))
for label in (operands[1], plus, equals):
    expect(f"the label {label} shown", "visible", label, 1)
# F2 at level "Avançado" tells the operation too.
board_told(", ".join((W["kAvancado"], W["kModeWords"][0], W["kOperationWords"][0])),
           line.replace("([0-9]+)", "[0-9]+"), (0, 0, 0, 0))

# A right answer brings the next exercise, told as the window's name. The
# same sum may be drawn again, with nothing new to tell: then it is answered
# again until another comes.
for _ in range(10):
    current = re.fullmatch(sum_told, frame.name)
    total = int(current[1]) + int(current[2])
    for button in [buttons[2]] * (total // 10) + [buttons[3]] * (total % 10):
        press(button)
    check(W["kCorrect"])
    nextsum = wait_for("no next sum", lambda: re.fullmatch(sum_told, frame.name), 10)[0]
    if nextsum != current[0]:
        break
else:
    fail(f"ten right answers brought no other sum than {nextsum!r}")
expect("the next exercise", "accessible-name", None, re.escape(nextsum))

# Back at level "Iniciante" the sign and the equals sign are told hidden.
press(find(frame, W["kMenuIniciante"].replace("&", ""), pyatspi.ROLE_MENU_ITEM))
for label in (plus, equals):
    expect(f"the label {label} hidden", "visible", label, 0)

# F1 opens the help: a dialog named by its title, whose text is read a line
# at a time as the caret moves; Escape closes it.
key("F1")
help_window = wait_for("F1 showed no help", lambda: shown(pyatspi.ROLE_DIALOG))
text = find(help_window, role=pyatspi.ROLE_TEXT)
if help_window.name != W["kHelpTitle"] or not text:
    fail(f"the help is {help_window.name!r}, text {text}: " + str([(c.getRoleName(), c.name) for c in help_window]))
lines = text.queryText()
caret_line = lambda: lines.getTextAtOffset(lines.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[
    0].strip()
seen = [caret_line(), key("Down") or caret_line(), key("Down") or caret_line()]
if seen[0] != W["kHelpTitle"] or len(set(seen)) != 3:  # the help file's heading is the title
    fail(f"the caret's lines in the help are {seen}")
key("Escape")
wait_for("Escape left the help open", lambda: not shown(pyatspi.ROLE_DIALOG), 10)

# No name or description went out without its text.
broken = [e for e in told if e[0] in ("accessible-name", "accessible-description") and e[2] is None]
if broken:
    fail(f"changes sent without their text: {broken[:3]}")
program.terminate(), program.wait(10), errors.seek(0)
if printed := errors.read().decode(errors="replace"):
    fail("the program printed on its standard error:\n" + printed[:2000])
