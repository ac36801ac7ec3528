#!/usr/bin/python3
"""Listens to the running editor through AT-SPI, as a screen reader does, while working it
with keys: the focus when a dialog closes over the pens and when Tab comes back to them, and
the description events when a pen's colour changes. Expects the colour chooser open over the
pens (the walk before it leaves it so). Reads one property at a time. Exits 1 on a mismatch."""
import subprocess
import sys

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib  # noqa: E402

heard = []  # (kind, name, description)


def on_event(event):
    if event.type.startswith('object:state-changed'):
        if not event.type.startswith('object:state-changed:focused') or event.detail1 != 1:
            return
        kind = 'focus'
    else:
        kind = 'description'
    source = event.source
    heard.append((kind, source.get_name(), source.get_description()))


def keys(*names):
    subprocess.run(['xdotool', 'key', '--delay', '150', *names], check=True)


def paste(text):
    subprocess.run(['xclip', '-selection', 'clipboard'], input=text.encode(), check=True)
    keys('ctrl+v')


def mark(step):
    heard.append(('step', step, ''))


steps = [
    lambda: (mark('chooser closed'), keys('Escape')),
    # Without a window manager nobody gives the editor its keyboard back.
    lambda: subprocess.run(['xdotool', 'search', '--name', '^Tintora - ', 'windowfocus'],
                           check=True),
    lambda: (mark('typed 69'), keys('6', '9')),
    lambda: (mark('pasted'), paste('#336699')),
    lambda: (mark('tabbed back'), keys('Tab', 'shift+Tab')),
]


def next_step():
    if steps:
        steps.pop(0)()
        return True
    Atspi.event_quit()
    return False


listener = Atspi.EventListener.new(on_event)
listener.register('object:property-change:accessible-description')
# Qt sends the focus only to a listener of all state changes.
listener.register('object:state-changed')
GLib.timeout_add(1200, next_step)
Atspi.event_main()


def after(step):
    start = heard.index(('step', step, ''))
    following = [i for i, h in enumerate(heard) if i > start and h[0] == 'step']
    return heard[start + 1:following[0] if following else len(heard)]


def last_focus(step):
    focus = [h[1] for h in after(step) if h[0] == 'focus']
    return focus[-1] if focus else None


for line in heard:
    print(' '.join(part for part in line if part))
failures = []
if last_focus('chooser closed') != 'Pen 254':
    failures.append(f'after the chooser closed the focus ended on {last_focus("chooser closed")!r}')
if last_focus('typed 69') != 'Pen 69':
    failures.append(f'typing 6 9 ended the focus on {last_focus("typed 69")!r}')
if ('description', 'Pen 69', 'R 51, G 102, B 153') not in after('pasted'):
    failures.append('no description event for pen 69 after the paste')
if ('description', 'Selected pen 69', 'R 51, G 102, B 153') not in after('pasted'):
    failures.append('no description event for the selected pen swatch after the paste')
if last_focus('tabbed back') != 'Pen 69':
    failures.append(f'Tab back to the pens ended the focus on {last_focus("tabbed back")!r}')
for failure in failures:
    print('FAIL:', failure)
if failures:
    sys.exit(1)
print('accessibility events: ok')
