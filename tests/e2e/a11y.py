#!/usr/bin/python3
"""Reads the program's accessible tree over the desktop's accessibility bus (AT-SPI), as a
screen reader does.

    a11y.py walk <pid> <window title> [at least]
                                        one line per showing control a player can act on
                                        ("ok" or "nameless", role, name), walked again until at
                                        least that many show (a window just shown may still be
                                        filling its tree), at most 5 s; exit 1 if the window is
                                        not found within 5 s
    a11y.py find <pid> <window title> <text> [seconds]
                                        exit 0 once a showing object's name contains <text>
                                        (within the time, 5 s), printing the name
"""
import sys
import time

import pyatspi

ACTION_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LINK,
}


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def window(pid, title, wait=5.0):
    end = time.time() + wait
    while time.time() < end:
        app = application(pid)
        if app is not None:
            for w in app:
                try:
                    if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                        return w
                except Exception:
                    continue
        time.sleep(0.2)
    return None


def actionable(obj, states):
    if states.contains(pyatspi.STATE_FOCUSABLE):
        return True
    if obj.getRole() in ACTION_ROLES:
        return True
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return False
    names = [action.getName(i) for i in range(action.nActions)]
    return any(n and n not in ("SetFocus", "setFocus") for n in names)


def showing(obj):
    for child in obj:
        if child is None:
            continue
        try:
            states = child.getState()
        except Exception:
            continue
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        yield child, states
        yield from showing(child)


def walk(pid, title, least=0):
    end = time.time() + 5.0
    while True:
        w = window(pid, title)
        if w is None:
            print("no window %r" % title)
            return 1
        lines = []
        for obj, states in showing(w):
            if actionable(obj, states):
                name = (obj.name or "").strip()
                lines.append("%s\t%s\t%s" % ("ok" if name else "nameless", obj.getRoleName(), name))
        if len(lines) >= least or time.time() >= end:
            print("\n".join(lines))
            return 0
        time.sleep(0.1)


def find(pid, title, text, seconds):
    end = time.time() + seconds
    while time.time() < end:
        w = window(pid, title, 1.0)
        if w is not None:
            for obj, _ in showing(w):
                if text in (obj.name or ""):
                    print(obj.name)
                    return 0
        time.sleep(0.2)
    return 1


def main(argv):
    if len(argv) >= 4 and argv[1] == "walk":
        return walk(int(argv[2]), argv[3], int(argv[4]) if len(argv) > 4 else 0)
    if len(argv) >= 5 and argv[1] == "find":
        return find(int(argv[2]), argv[3], argv[4], float(argv[5]) if len(argv) > 5 else 5.0)
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
