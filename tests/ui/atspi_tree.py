#!/usr/bin/python3
"""Prints, as JSON, the accessibility tree that screen readers see of one process: each of its
showing windows with every object below it (role, name, description, states, value, the names of
the objects labelling it). Reads it over AT-SPI, from the accessibility bus of the session bus in
DBUS_SESSION_BUS_ADDRESS.

    atspi_tree.py PID [TIMEOUT_SECONDS]
"""
import json
import sys
import time

import pyatspi

MAX_DEPTH = 40


def states_of(accessible):
    states = accessible.getState()
    names = {
        "focusable": pyatspi.STATE_FOCUSABLE,
        "focused": pyatspi.STATE_FOCUSED,
        "showing": pyatspi.STATE_SHOWING,
        "visible": pyatspi.STATE_VISIBLE,
        "selected": pyatspi.STATE_SELECTED,
        "checked": pyatspi.STATE_CHECKED,
        "enabled": pyatspi.STATE_ENABLED,
    }
    return sorted(name for name, state in names.items() if states.contains(state))


def value_of(accessible):
    try:
        value = accessible.queryValue()
    except NotImplementedError:
        return None
    return {"current": value.currentValue, "minimum": value.minimumValue, "maximum": value.maximumValue}


def labels_of(accessible):
    names = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name or "")
    return names


def actions_of(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def node(accessible, depth):
    entry = {
        "role": accessible.getRoleName(),
        "name": accessible.name or "",
        "description": accessible.description or "",
        "states": states_of(accessible),
        "labels": labels_of(accessible),
        "actions": actions_of(accessible),
        "children": [],
    }
    value = value_of(accessible)
    if value is not None:
        entry["value"] = value
    if depth < MAX_DEPTH:
        for child in accessible:
            if child is not None:
                entry["children"].append(node(child, depth + 1))
    return entry


def find_application(pid, timeout):
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            try:
                if application is not None and application.get_process_id() == pid:
                    return application
            except Exception:
                continue
        if time.monotonic() > deadline:
            return None
        time.sleep(0.2)


def main():
    pid = int(sys.argv[1])
    timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 20.0
    application = find_application(pid, timeout)
    if application is None:
        print("no application with process id %d on the accessibility bus" % pid, file=sys.stderr)
        return 1
    windows = []
    for window in application:
        if window is not None and "showing" in states_of(window):
            windows.append(node(window, 0))
    json.dump({"application": application.name or "", "windows": windows}, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
