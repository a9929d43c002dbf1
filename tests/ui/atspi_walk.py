#!/usr/bin/env python3
"""Reads the running program's windows the way a screen reader does, over AT-SPI.

Usage: atspi_walk.py PID LABEL... (the labels of the enabled clocks, in their order).
Expects the clock window, the setup dialog and the converter to be open; opens the clock
editor itself by pressing the setup dialog's Edit button on the first clock. Prints the
focusable controls found and how many are named; exits 1 when a check fails.
"""
import subprocess
import sys
import time

import pyatspi

# Views whose items are rows and cells, not controls of the window; the enabled column's
# cells are checked on their own.
VIEW_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
              pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}

failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
    return ok


def wait_for(seconds, find):
    """The first true answer of find() within the time, else None."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except Exception:  # an object that went away while being read
            found = None
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.1)


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, name, dialog):
    """The program's window with this title: a dialog or not."""
    for w in app:
        if w is not None and w.name == name and (w.getRole() == pyatspi.ROLE_DIALOG) == dialog:
            return w
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def controls(top):
    """The focusable controls of a window: not the rows and cells of its views, nor the open
    list of a combo box."""
    found = []

    def walk(node):
        for child in node:
            if child is None:
                continue
            if focusable(child):
                found.append(child)
            if child.getRole() not in VIEW_ROLES and child.getRole() != pyatspi.ROLE_COMBO_BOX:
                walk(child)

    walk(top)
    return found


def combo_values(combo):
    """Every text a combo box can show: the items of its list and what its field holds. Qt's
    popup list marks no item selected until it opens, so the current one cannot be told."""
    values = set()
    for child in combo:
        if child is None:
            continue
        if child.getRole() in VIEW_ROLES:
            table = child.queryTable()
            values.update(table.getAccessibleAt(row, 0).name.strip() for row in range(table.nRows))
        elif child.getRole() == pyatspi.ROLE_TEXT:
            text = child.queryText()
            values.add(text.getText(0, text.characterCount).strip())
    values.discard("")
    return values


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def check_names(title, top):
    """Every focusable control named, combo boxes not merely by their value; the counts."""
    found = controls(top)
    named = 0
    for control in found:
        name = control.name.strip()
        if not check(name != "", "%s: unnamed %s" % (title, describe(control))):
            continue
        if control.getRole() == pyatspi.ROLE_COMBO_BOX:
            values = combo_values(control)
            if not check(values and name not in values,
                         "%s: the combo box %r is named by one of its %d values" %
                         (title, name, len(values))):
                continue
        named += 1
    print("%s: %d focusable controls, %d named" % (title, len(found), named))
    return len(found), named


def named_control(top, role, name):
    for node in descendants(top):
        if node.getRole() == role and node.name == name:
            return node
    return None


def check_box_cell(cell):
    """A check box; Qt 6.4 reports a checkable cell as a table cell with a checked state only
    (its Toggle action selects the cell), so the state is checked to follow the clock."""
    return cell.getRole() in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TABLE_CELL)


def press_keys(window_title, keys):
    """Keys into the window with this title, as the user's keyboard would send them."""
    subprocess.run(["xdotool", "search", "--name", "^%s$" % window_title,
                    "windowfocus", "--sync", "key"] + keys, check=True, timeout=10)


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            return action.doAction(i)
    return action.doAction(0)


def main():
    pid = int(sys.argv[1])
    labels = sys.argv[2:]
    app = wait_for(15, lambda: program(pid))
    if app is None:
        print("FAIL: the program is not on the accessibility bus")
        return 1
    print("on the accessibility bus as %r" % app.name)

    clock = wait_for(10, lambda: window(app, "Horavia", dialog=False))
    setup = wait_for(10, lambda: window(app, "Horavia Timezones", dialog=True))
    converter = wait_for(10, lambda: window(app, "Horavia - Convert", dialog=False) or
                         window(app, "Horavia - Convert", dialog=True))
    for what, found in (("clock window", clock), ("setup dialog", setup), ("converter", converter)):
        if found is None:
            print("FAIL: no %s; the program's windows: %s" %
                  (what, ", ".join(describe(w) for w in app if w is not None)))
            return 1

    # The clock window: one text per enabled clock, in order, read with its label.
    rows = [row.name for row in clock]
    check(len(rows) == len(labels), "the clock window has %d children, not %d: %s" %
          (len(rows), len(labels), rows))
    for label, row in zip(labels, rows):
        check(row.startswith(label + ", "), "the clock window reads %r where %r is" % (row, label))
    print("clock window reads: %s" % " | ".join(rows))

    # The enabled column of the clock list: a check box per clock, named for what it switches,
    # checked for the clocks that are shown.
    clock_list = named_control(setup, pyatspi.ROLE_TREE_TABLE, "Clocks") or \
        named_control(setup, pyatspi.ROLE_TABLE, "Clocks") or \
        named_control(setup, pyatspi.ROLE_TREE, "Clocks")
    off_row = None
    if check(clock_list is not None, "the setup dialog has no list named Clocks"):
        table = clock_list.queryTable()
        for row in range(table.nRows):
            label = table.getAccessibleAt(row, 0).name
            cell = table.getAccessibleAt(row, 1)
            checked = cell.getState().contains(pyatspi.STATE_CHECKED)
            print("enabled column, %s: %s %r, %s" % (label, cell.getRoleName(), cell.name,
                                                     "checked" if checked else "not checked"))
            check(check_box_cell(cell), "%s's enabled cell is a %s" %
                  (label, cell.getRoleName()))
            check(cell.name == "Active", "%s's enabled cell reads %r" % (label, cell.name))
            check(checked == (label in labels), "%s's enabled cell is %s" %
                  (label, "checked" if checked else "not checked"))
            if not checked and off_row is None:
                off_row = (row, label, cell)
    # Space on the clock that is off turns it on: its box reads checked, the clock window
    # reads it in its place.
    if check(off_row is not None, "no clock is off"):
        row, label, cell = off_row
        # The dialog opens with its tab bar focused; the list is next.
        press_keys("Horavia Timezones", ["Tab", "Home"] + ["Down"] * row + ["space"])
        check(wait_for(5, lambda: cell.getState().contains(pyatspi.STATE_CHECKED)),
              "Space did not check %s's box" % label)
        shown = labels[:]
        shown.insert(sum(1 for r in range(row) if table.getAccessibleAt(r, 0).name in labels), label)
        turned_on = wait_for(5, lambda: [r.name.split(", ")[0] for r in clock] == shown)
        check(turned_on, "after Space on %s the clock window reads %s" %
              (label, [r.name for r in clock]))
        if turned_on:
            print("Space turned %s on: the clock window reads %s" % (label, [r.name for r in clock]))

    totals = [check_names("clock window", clock), check_names("setup dialog", setup)]

    # The converter's swap is a push button.
    swap = named_control(converter, pyatspi.ROLE_PUSH_BUTTON, "Swap zones")
    check(swap is not None, "the converter has no push button named Swap zones")
    totals.append(check_names("converter", converter))

    # The clock editor, opened on the first clock with the setup dialog's Edit button; its map
    # is focusable and read by the clock's zone.
    zone = None
    if check(clock_list is not None, "no clock to edit"):
        clock_list.queryTable().addRowSelection(0)
        zone = clock_list.queryTable().getAccessibleAt(0, 2).name
    edit = named_control(setup, pyatspi.ROLE_PUSH_BUTTON, "Edit")
    if check(edit is not None, "the setup dialog has no Edit button"):
        press(edit)
        editor = wait_for(10, lambda: window(app, "Horavia", dialog=True))
        if check(editor is not None, "Edit opened no clock editor"):
            world = [n for n in descendants(editor) if n.name.startswith("World map")]
            check(len(world) == 1 and focusable(world[0]) and
                  world[0].name == "World map: %s" % zone,
                  "the world map reads %s, the clock's zone is %r" %
                  ([describe(n) for n in world], zone))
            if world:
                print("world map: %r" % world[0].name)
            totals.append(check_names("clock editor", editor))
            cancel = named_control(editor, pyatspi.ROLE_PUSH_BUTTON, "Cancel")
            if cancel is not None:
                press(cancel)

    # A walk that finds nothing to check must not pass: the dialogs all have controls.
    check(all(t[0] > 0 for t in totals[1:]), "a dialog shows no focusable controls: %s" % totals)
    found = sum(t[0] for t in totals)
    named = sum(t[1] for t in totals)
    print("all windows: %d focusable controls, %d named, %d unnamed" % (found, named, found - named))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
