"""Reads the running program's accessible tree as a screen reader does.

    atspi.py controls   - named Print and Exit buttons, 118 named table cells
    atspi.py sheet      - the data sheet's text is iron's; its density line says
                          where its value comes from
    atspi.py density    - the view chooser reads "View: Density", iron's cell its density

Prints what it found; exits 1 with the reason when a check fails.
"""
import sys
import time

import pyatspi


def fail(why):
    print("atspi: FAIL: " + why)
    sys.exit(1)


def window():
    # The program's top-level frame, titled Zelvane; it takes a moment to show
    # on the bus after the window maps.
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            for frame in app or []:
                if frame is not None and frame.name == "Zelvane":
                    return frame
        time.sleep(0.1)
    fail("no accessible window named Zelvane on the bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, name):
    for node in walk(root):
        if node.name == name:
            return node
    return None


def check_controls(root):
    buttons = sorted(n.name for n in walk(root) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    for name in ("Print", "Exit"):
        if name not in buttons:
            fail("no push button named %s (buttons: %s)" % (name, buttons))
    tabs = sorted(n.name for n in walk(root) if n.getRole() == pyatspi.ROLE_PAGE_TAB)
    if tabs != ["Element", "Periodic Table"]:
        fail("the page tabs are %s" % tabs)
    # Nothing hidden is offered: every object is visible, if perhaps off screen.
    hidden = [n for n in walk(root) if not n.getState().contains(pyatspi.STATE_VISIBLE)]
    if hidden:
        fail("%d hidden objects offered, such as %r" % (len(hidden), hidden[0].name))
    table = find(root, "Periodic table")
    if table is None:
        fail("no object named Periodic table")
    cells = [c for c in table if c is not None and c.getRole() == pyatspi.ROLE_TABLE_CELL]
    named = [c for c in cells if c.name]
    if len(named) != 118:
        fail("the table has %d cells, %d named, not 118" % (len(cells), len(named)))
    iron = named[25]
    if (iron.name, iron.description) != ("Iron", "26, Fe, 55.845, Transition Metal, Solid"):
        fail("the 26th cell is %r, %r" % (iron.name, iron.description))
    print("atspi: buttons %s; tabs %s; %d named cells on the table, %s to %s; cell 26: %s, %s"
          % (buttons, tabs, len(named), named[0].name, named[-1].name, iron.name, iron.description))


def check_sheet(root):
    sheet = find(root, "Data sheet")
    if sheet is None:
        fail("no object named Data sheet")
    text = ""
    for _ in range(50):
        text = sheet.queryText().getText(0, -1)
        if text.startswith("26 Iron Fe\n"):
            break
        time.sleep(0.1)
    if not text.startswith("26 Iron Fe\n"):
        fail("the sheet reads %r, not iron's" % text[:40])
    origin = "Name Origin: Anglo-Saxon iren; the symbol Fe is from Latin ferrum"
    if origin not in text.split("\n"):
        fail("the sheet has no line %r" % origin)
    # Each line is a child whose description says where its value comes from.
    density = [n for n in sheet if n is not None and n.name == "Density: 7.874 g/cm\u00b3"]
    source = "Density 7.874 g/cm\u00b3 \u2014 periodictable 1.6.0 (NIST); public domain"
    if not density or density[0].description != source:
        fail("the sheet's density line is %r, described %r"
             % (density and density[0].name, density and density[0].description))
    print("atspi: the sheet reads %d lines, from %r to %r; %d lines as children, such as %r: %r"
          % (len(text.split("\n")), text.split("\n")[0], text.split("\n")[-1],
             sheet.childCount, density[0].name, density[0].description))


def check_density(root):
    # The chooser is read with the view it shows; a cell with its viewed value.
    chooser = None
    for _ in range(50):
        boxes = [n for n in walk(root) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
        chooser = next((b for b in boxes if b.name.startswith("View: ")), None)
        if chooser is not None and chooser.name == "View: Density":
            break
        time.sleep(0.1)
    if chooser is None or chooser.name != "View: Density":
        fail("the view chooser reads %r" % (chooser.name if chooser else None))
    table = find(root, "Periodic table")
    cells = [c for c in table if c is not None and c.getRole() == pyatspi.ROLE_TABLE_CELL]
    iron = cells[25]
    want = "Iron, 26: density 7.874 g/cm\u00b3"
    if (iron.name, iron.description) != ("Iron", want):
        fail("in the density view the 26th cell is %r, %r" % (iron.name, iron.description))
    print("atspi: chooser %r; cell 26: %s, %s" % (chooser.name, iron.name, iron.description))


{"controls": check_controls, "sheet": check_sheet, "density": check_density}[sys.argv[1]](window())
