#!/usr/bin/python3
"""Walks the running editor through AT-SPI, as a screen reader would, and checks what it finds:
radio buttons for the background, the three tables of pens with their names, colours and
cells, the selected pen focused, the swatches' press action opening the colour chooser. Reads one property at a
time. Exits 1 on the first mismatch."""
import sys
import time

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi  # noqa: E402


def fail(message):
    print('FAIL:', message)
    sys.exit(1)


def find(node, test, depth=0):
    if node is None or depth > 8:
        return None
    if test(node):
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), test, depth + 1)
        if found is not None:
            return found
    return None


desktop = Atspi.get_desktop(0)
# Depth 7 of 8: only the applications themselves are looked at.
app = find(desktop, lambda n: n.get_name() == 'Tintora', 7) or fail('no application "Tintora"')
for label in ('Light background', 'Dark background'):
    button = find(app, lambda n, l=label: n.get_name() == l) or fail(f'no "{label}"')
    if button.get_role_name() != 'radio button':
        fail(f'"{label}" is a {button.get_role_name()}')
pens = find(app, lambda n: n.get_name() == 'Pens') or fail('no "Pens"')
tables = {}
for i, (name, rows, columns) in enumerate((('Main pens', 1, 9), ('Secondary pens', 1, 6),
                                           ('Standard pens', 10, 24))):
    table = pens.get_child_at_index(i)
    if table.get_name() != name or table.get_role_name() != 'table':
        fail(f'child {i} of "Pens" is {table.get_name()!r}, a {table.get_role_name()}')
    if (Atspi.Table.get_n_rows(table), Atspi.Table.get_n_columns(table)) != (rows, columns):
        fail(f'"{name}" is not {rows} x {columns}')
    tables[name] = table
pen69 = Atspi.Table.get_accessible_at(tables['Standard pens'], 3, 5)
extents = pen69.get_extents(Atspi.CoordType.SCREEN)
print('Pen 69:', pen69.get_name(), pen69.get_description(), f'{extents.width} x {extents.height}')
if pen69.get_name() != 'Pen 69' or (extents.width, extents.height) != (16, 14):
    fail('pen 69 is not named "Pen 69" or not 16 x 14')
pen = int(sys.argv[1])  # a pen of the standard grid
selected = Atspi.Table.get_accessible_at(tables['Standard pens'], (pen - 16) % 10, (pen - 16) // 10)
states = selected.get_state_set()
if not (states.contains(Atspi.StateType.SELECTED) and states.contains(Atspi.StateType.FOCUSED)):
    fail(f'{selected.get_name()} is not selected and focused')
marker = pens.get_child_at_index(4)
if marker.get_name() != 'Marker pen':
    fail('no "Marker pen"')
marker.do_action(0)
time.sleep(1.5)
windows = [app.get_child_at_index(i).get_name() for i in range(app.get_child_count())]
if not any(name.startswith('Marker Pen \u2013 ') for name in windows):
    fail(f'the marker pen\'s action opened no colour chooser: {windows}')
print('accessibility: ok')
