#!/usr/bin/python3
# A screen reader's view of the program, through AT-SPI: the names of the find screen's
# controls, and the verdict heard after pressing cells. Run by screenreader.sh.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The action calls this Debian offers are marked deprecated; they still do what is needed.
warnings.simplefilter("ignore", DeprecationWarning)

failures = 0
heard = []


def check(what, ok):
    global failures
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures += 1


def pump(seconds=0.05):
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.01)


def wait_for(find, seconds=20):
    """Polls until find() gives something, at most `seconds`: a busy machine starts slowly."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump()
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.get_child_count()):
        try:
            yield from walk(node.get_child_at_index(i), depth + 1)
        except GLib.Error:
            pass


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and "getalveld" in (app.get_name() or "").lower():
            return app
    return None


def window(app, title):
    for i in range(app.get_child_count()):
        w = app.get_child_at_index(i)
        if w is not None and w.get_name() == title and w.get_state_set().contains(Atspi.StateType.SHOWING):
            return w
    return None


def control(root, name, role=None):
    for node in walk(root):
        if node.get_name() == name and (role is None or node.get_role() == role):
            if node.get_state_set().contains(Atspi.StateType.SHOWING):
                return node
    return None


def press(node):
    action = node.get_action_iface()
    for i in range(action.get_n_actions()):
        if action.get_action_name(i) == "Press":
            return action.do_action(i)
    return False


def on_event(event):
    heard.append((event.type, event.source.get_name() if event.source else ""))


app = wait_for(application)
check("the program is on the accessibility bus", app is not None)
if app is None:
    sys.exit(1)

start = wait_for(lambda: control(app, "Klik hier en start !"))
check("the start screen's button is read by its caption", start is not None)
press(start)
board = wait_for(lambda: window(app, "KEUZEBORD"))
check("the choice board is shown", board is not None)
find_button = wait_for(lambda: control(board, "zoek het getal op het tabulon", Atspi.Role.PUSH_BUTTON))
check("the board's mouse button is read as its exercise", find_button is not None)
press(find_button)
screen = wait_for(lambda: window(app, "Zoek op het tabulon"))
check("the find screen is shown", screen is not None)

names = [n.get_name() for n in walk(screen) if n.get_state_set().contains(Atspi.StateType.SHOWING)]
print("names on the find screen: " + " | ".join(x for x in names if x))
for expected in ["start", "stop", "hulp", "juist: 0", "fout: 0", "hulp: 0", "zoek", "tabulon", "0", "10", "100",
                 "klik op de juiste plaats"]:
    check("the find screen reads %r" % expected, expected in names)
check("blank cells are read as blank", names.count("leeg") > 50)

listener = Atspi.EventListener.new(on_event)
listener.register("object:property-change:accessible-name")
listener.register("object:property-change:accessible-description")

press(control(screen, "start", Atspi.Role.PUSH_BUTTON))


def task_number():
    for node in walk(screen):
        name = node.get_name() or ""
        if node.get_role() == Atspi.Role.LABEL and name.isdigit():
            return int(name)
    return None


target = wait_for(task_number)
check("the task's number is read on the left panel", target is not None)
if target is None:
    sys.exit(1)
print("task: %d" % target)

wrong = control(screen, str(target + 1), Atspi.Role.PUSH_BUTTON)
press(wrong)
check("a wrong cell is heard as one more wrong answer",
      wait_for(lambda: ("object:property-change:accessible-name", "fout: 1") in heard) is not None)
check("the wrong cell is heard to turn red",
      wait_for(lambda: ("object:property-change:accessible-description", str(target + 1)) in heard) is not None)
check("the wrong cell's colour is read", wrong.get_description() == "rood, fout")

press(control(screen, str(target), Atspi.Role.PUSH_BUTTON))
check("the right cell is heard as one more right answer",
      wait_for(lambda: ("object:property-change:accessible-name", "juist: 1") in heard) is not None)
check("the right cell's colour is read",
      wait_for(lambda: control(screen, str(target), Atspi.Role.PUSH_BUTTON).get_description() == "groen, juist")
      is not None)
print("heard: " + " | ".join(n for _, n in heard if n))
sys.exit(1 if failures else 0)
