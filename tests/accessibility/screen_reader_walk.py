#!/usr/bin/python3
"""Walks every page of the editor as a screen reader sees it, over the accessibility bus (AT-SPI):
each input on a page shown must have a name (a check box its text, a field or a table its name, a
combo box the label that stands for it). Run by screen_reader_walk.sh, which starts the display, the
bus and the editor."""

import subprocess
import sys
import time

import pyatspi

INPUTS = {pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SPIN_BUTTON,
          pyatspi.ROLE_TABLE, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON}


def editor():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "klt":
                return app
        time.sleep(0.1)
    sys.exit("the editor never appeared on the accessibility bus")


def spoken_name(node):
    """What a screen reader says for the input, its value aside."""
    if node.getRole() != pyatspi.ROLE_COMBO_BOX:
        return node.name.strip()
    # A combo box's own name is its value; its label comes by relation, or its description.
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name.strip()
    return node.description.strip()


def inputs_shown(node, found, depth=0):
    if node is None or depth > 40:
        return
    role = node.getRole()
    if role in INPUTS and node.getState().contains(pyatspi.STATE_SHOWING):
        found.append((node.getRoleName(), spoken_name(node)))
    if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_COMBO_BOX):
        return  # their cells and lists are not inputs of the page
    for i in range(node.childCount):
        inputs_shown(node.getChildAtIndex(i), found, depth + 1)


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)
    time.sleep(0.25)


def main():
    app = editor()
    time.sleep(1)
    # The first node of the tree, then every node in turn, the tree opened as it goes.
    subprocess.run(["xdotool", "mousemove", "60", "56", "click", "1"], check=True)
    time.sleep(0.5)
    pages = {}
    unnamed = set()
    for _ in range(int(sys.argv[1]) if len(sys.argv) > 1 else 45):
        found = []
        inputs_shown(app, found)
        signature = tuple(role for role, _ in found)
        pages.setdefault(signature, len(found))
        for role, name in found:
            if not name:
                unnamed.add(role + " on page " + str(len(pages)))
        key("Right")
        key("Down")
    print(f"{len(pages)} kinds of page walked")
    if unnamed:
        print("inputs without a name:\n  " + "\n  ".join(sorted(unnamed)))
        return 1
    if len(pages) < 6:
        print("too few pages: the walk did not get through the tree")
        return 1
    print("ok   every input of every page walked has a name")
    return fleet_dialog(app)


def fleet_dialog(app):
    """Transfer > Program Several Radios: every control of the dialog has a name."""
    key("Escape")
    key("alt+t")
    key("s")
    time.sleep(1)
    dialog = None
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == "Program Several Radios":
            dialog = child
    if dialog is None:
        print("the fleet dialog did not open")
        return 1
    found = []
    inputs_shown(dialog, found)
    key("Escape")
    names = {name for _, name in found}
    unnamed = [role for role, name in found if not name]
    expected = {"Load Plan...", "Add Radio", "Remove Radio", "Radios", "Start", "Cancel", "Close",
                "Also program radios that hold another MMSI"}
    if unnamed or not expected <= names:
        print("fleet dialog: unnamed " + ", ".join(unnamed) + "; missing " + ", ".join(sorted(expected - names)))
        return 1
    print(f"ok   the fleet dialog's {len(found)} controls have names")
    return 0


if __name__ == "__main__":
    sys.exit(main())
