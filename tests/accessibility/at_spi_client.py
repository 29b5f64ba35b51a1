"""A screen reader's view of one application on the accessibility bus.

    at_spi_client.py APPLICATION [--focus N] [--act NAME] [--listen SECONDS]

Prints, one line each: the application's name, each of its frames, and each
entry of the first frame as "entry NAME|ROLE|STATES|X,Y,W,H|DESCRIPTION|ACTIONS"
with screen coordinates; then, with --focus, moves the focus to entry N (from
0) as a reader does; with --act, does the first action of the entry named
NAME; with --listen, waits that long while others press keys. Each focus
event heard meanwhile is a line "focused NAME". Exits 1 when the application
never shows up.
"""

import argparse
import sys
import time

import pyatspi
from gi.repository import GLib

FIND_SECONDS = 10


def find_application(name):
    deadline = time.monotonic() + FIND_SECONDS
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        pump(0.1)
    return None


def pump(seconds):
    """Lets events arrive, as a reader's main loop would."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def describe(entry):
    states = sorted(state.value_nick for state in entry.getState().getStates())
    box = entry.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    action = entry.queryAction()
    actions = [action.getName(i) for i in range(action.nActions)]
    return "entry %s|%s|%s|%d,%d,%d,%d|%s|%s" % (
        entry.name, entry.getRoleName(), " ".join(states), box.x, box.y, box.width,
        box.height, entry.description, " ".join(actions))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("application")
    parser.add_argument("--focus", type=int)
    parser.add_argument("--act")
    parser.add_argument("--listen", type=float, default=0)
    args = parser.parse_args()

    focused = []

    def heard(event):
        if event.detail1:
            focused.append(event.source.name)

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")
    application = find_application(args.application)
    if application is None:
        print("no application named %s" % args.application, file=sys.stderr)
        return 1
    print("application %s" % application.name)
    frames = [child for child in application if child.getRoleName() == "frame"]
    for frame in frames:
        print("frame %s" % frame.name)
    entries = list(frames[0]) if frames else []
    for entry in entries:
        print(describe(entry))
    if args.focus is not None:
        entries[args.focus].queryComponent().grabFocus()
        pump(1)
    if args.act is not None:
        named = [entry for entry in entries if entry.name == args.act]
        named[0].queryAction().doAction(0)
        pump(0.5)
    pump(args.listen)
    for name in focused:
        print("focused %s" % name)
    sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
