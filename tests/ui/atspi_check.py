#!/usr/bin/python3
# Walks the accessible tree of one application over AT-SPI, as a screen reader sees it, and
# prints one JSON object: the names of the objects a user can focus or act on, every such
# object that has no name or no role, and what each progress bar says (name: description). With --press, does the Press action of the control of that
# name instead, as a screen reader's user does, and prints whether the application answered done.
#   atspi_check.py <pid> [--press <name>]
import json
import sys

import pyatspi

NO_ROLE = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID}


def label(obj):
    # Qt Quick withholds the name of every password field by design; screen readers then read
    # its description, so that is where such a field carries its label.
    name = (obj.name or "").strip()
    if not name and obj.getRole() == pyatspi.ROLE_PASSWORD_TEXT:
        name = (obj.description or "").strip()
    return name


def actions(obj):
    try:
        return obj.queryAction().nActions
    except NotImplementedError:
        return 0


MENU_ROLES = {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM}


def is_control(obj, states, parent_role):
    if states.contains(pyatspi.STATE_FOCUSABLE) or actions(obj) > 0 or obj.getRole() in MENU_ROLES:
        return True
    # Qt reports the entries of a menu bar with the menu bar's own role.
    return obj.getRole() == pyatspi.ROLE_MENU_BAR and parent_role == pyatspi.ROLE_MENU_BAR


def walk(obj, path, found, parent_role=None):
    if obj is None or len(path) > 60:
        return
    states = obj.getState()
    if not states.contains(pyatspi.STATE_SHOWING) and path:
        return
    role, name = obj.getRole(), label(obj)
    here = path + [f"{obj.getRoleName()} {name!r}"]
    if role == pyatspi.ROLE_PROGRESS_BAR:
        found["bars"].append(f"{name}: {(obj.description or '').strip()}")
    if is_control(obj, states, parent_role):
        found["controls"].append(name)
        if not name or role in NO_ROLE:
            found["problems"].append(" > ".join(here))
    for child in obj:
        walk(child, here, found, role)


def find(obj, name, depth=0):
    if obj is None or depth > 60:
        return None
    states = obj.getState()
    if depth and not states.contains(pyatspi.STATE_SHOWING):
        return None
    if label(obj) == name and actions(obj) > 0:
        return obj
    for child in obj:
        hit = find(child, name, depth + 1)
        if hit is not None:
            return hit
    return None


def press(apps, name):
    for app in apps:
        for window in app:
            hit = find(window, name) if window is not None else None
            if hit is None:
                continue
            action = hit.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            index = next((i for i, n in enumerate(names) if n.lower() in ("press", "click")), 0)
            return {"pressed": name, "actions": names, "done": bool(action.doAction(index))}
    return {"pressed": name, "actions": [], "done": False, "problem": f"no control named {name!r} with an action"}


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.get_process_id() == pid]
    if len(sys.argv) > 3 and sys.argv[2] == "--press":
        print(json.dumps(press(apps, sys.argv[3])))
        return
    found = {"controls": [], "problems": [], "bars": []}
    if not apps:
        found["problems"].append(f"no application with pid {pid} on the accessibility bus")
    for app in apps:
        for window in app:
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                walk(window, [], found)
    print(json.dumps(found))


main()
