#!/usr/bin/python3
# Walks the accessible tree of one application over AT-SPI, as a screen reader sees it, and
# prints one JSON object: the names of the objects a user can focus or act on, and every such
# object that has no name or no role.
#   atspi_check.py <pid>
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
    if is_control(obj, states, parent_role):
        found["controls"].append(name)
        if not name or role in NO_ROLE:
            found["problems"].append(" > ".join(here))
    for child in obj:
        walk(child, here, found, role)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.get_process_id() == pid]
    found = {"controls": [], "problems": []}
    if not apps:
        found["problems"].append(f"no application with pid {pid} on the accessibility bus")
    for app in apps:
        for window in app:
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                walk(window, [], found)
    print(json.dumps(found))


main()
