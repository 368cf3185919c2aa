#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader meets, through the AT-SPI bus: the program is started,
its windows are opened with their shortcut keys, in Chinese and then in
English, and the accessible tree of each is walked. Every control that takes
the focus must have a name in the language in force, the channel table must
expose its 128 channels with cells that say their channel and column, and the
read window's progress must change during a read from the virtual radio.

    screen_reader_walk.py PROGRAM VIRTUAL_RADIO WORK_DIR
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

PROGRAM, VIRTUAL_RADIO, WORK = sys.argv[1:4]
CJK = re.compile('[\u4e00-\u9fff]')
# Key codes of the modifiers in the X server's default map; other keys go by keysym.
MODIFIERS = {'ctrl': 37, 'shift': 50}
KEYSYMS = {'Return': 0xff0d, 'Escape': 0xff1b, 'F12': 0xffc9}
# A table's cells beyond these are not walked one by one: 128 rows of them
# take minutes over the bus, and the cells that matter are checked directly.
TABLE_CHILDREN_WALKED = 40

failures = []
program = None


def fail(text):
    print('FAIL: ' + text, flush=True)
    failures.append(text)


def dump(node, depth=0, limit=7):
    """What the bus shows, for the log of a failure."""
    try:
        print('%s%s %r %r' % ('  ' * depth, node.getRoleName(), node.name, node.description))
        if depth < limit:
            for child in children(node):
                dump(child, depth + 1, limit)
    except Exception as error:
        print('%s(gone: %s)' % ('  ' * depth, error))


def stop(text):
    fail(text)
    app = application()
    if app is not None:
        dump(app)
    finish()


def finish():
    if program is not None and program.poll() is None:
        program.terminate()
        program.wait(10)
    print('%d failure(s)' % len(failures) if failures else 'passed')
    sys.exit(1 if failures else 0)


def wait_for(what, predicate, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        if program.poll() is not None:
            stop('the program ended (status %d) while waiting for %s' % (program.returncode, what))
        try:
            found = predicate()
            if found:
                return found
        except Exception:   # an object that went away while it was asked
            pass
        time.sleep(0.1)
    stop('timed out waiting for ' + what)


def key(name, *modifiers):
    for modifier in modifiers:
        pyatspi.Registry.generateKeyboardEvent(MODIFIERS[modifier], None, pyatspi.KEY_PRESS)
    keysym = KEYSYMS.get(name, ord(name) if len(name) == 1 else None)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    for modifier in reversed(modifiers):
        pyatspi.Registry.generateKeyboardEvent(MODIFIERS[modifier], None, pyatspi.KEY_RELEASE)


def children(node):
    count = node.childCount
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
        count = min(count, TABLE_CHILDREN_WALKED)
    for i in range(count):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def find(root, predicate):
    for node in walk(root):
        if predicate(node):
            return node
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == 'qv3n':
            return app
    return None


def top_windows(app):
    return [w for w in app if w is not None and showing(w)]


def spoken_name(node):
    """The control's name, or else the label that names it, as a screen reader takes it."""
    name = (node.name or '').strip()
    if name:
        return name
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                label = (relation.getTarget(i).name or '').strip()
                if label:
                    return label
    return ''


def check_names(root, chinese, where):
    """Every control that takes the focus has a name, in the language in force."""
    checked = 0
    for node in walk(root):
        state = node.getState()
        if not (state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING)):
            continue
        role = node.getRole()
        if role in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_SCROLL_BAR):
            continue
        checked += 1
        name = spoken_name(node)
        described = '%s %s in %s' % (node.getRoleName(), repr(name), where)
        if not name:
            fail('a %s without a name in %s (description %r)' % (node.getRoleName(), where, node.description))
            continue
        if role not in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                        pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_PAGE_TAB):
            continue
        # Language names, channel names and numbers are the same in both languages.
        if re.fullmatch(r'[\d\s.,:/()A-Z-]*|中文.*|English.*', name):
            continue
        if bool(CJK.search(name)) != chinese:
            fail('%s is not in %s' % (described, 'Chinese' if chinese else 'English'))
    return checked


def window(app, title_pattern):
    """The internal window whose title matches, among the main window's."""
    def look():
        for top in top_windows(app):
            found = find(top, lambda n: n.getRole() in (pyatspi.ROLE_INTERNAL_FRAME, pyatspi.ROLE_DIALOG,
                                                         pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW)
                         and re.search(title_pattern, n.name or '') and showing(n))
            if found:
                return found
        return None
    return wait_for('the window ' + title_pattern, look)


def press(node, where):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ('Press', 'press', 'click', 'SetFocus') and action.getName(i) != 'SetFocus':
            action.doAction(i)
            return
    stop('no press action on %s in %s' % (node.name, where))


def main_frame(app):
    return wait_for('the main window', lambda: next((t for t in top_windows(app)
                                                     if t.getRole() == pyatspi.ROLE_FRAME), None))


def activate(app):
    """Clicks the main window's status bar: without a window manager, a window
    becomes the active one, which takes the keys, only when it is clicked."""
    frame = main_frame(app)
    x, y = frame.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    width, height = frame.queryComponent().getSize()
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height - 6, 'abs')
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height - 6, 'b1c')
    wait_for('the main window to be active', lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))


def dismiss_messages(app):
    """Presses the button of every message box that is up."""
    for top in top_windows(app):
        if top.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            button = find(top, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n))
            if button is not None:
                press(button, top.name)
    wait_for('the messages to close', lambda: not any(t.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
                                                      for t in top_windows(app)))
    activate(app)


def check_channel_table(app, chinese):
    table_window = window(app, '信道|Channel')
    table = wait_for('the channel table', lambda: find(table_window, lambda n: n.getRole() == pyatspi.ROLE_TABLE))
    cells = table.queryTable()
    if cells.nRows != 128:
        fail('the channel table exposes %d rows, not 128' % cells.nRows)
    heard = cells.getAccessibleAt(4, 1).name
    expected = r'^信道 5，接收频率，\d+\.\d{5}$' if chinese else r'^Channel 5, RX frequency, \d+\.\d{5}$'
    if not re.match(expected, heard):
        fail('channel 5\'s RX cell reads %r' % heard)


def read_from_radio(app):
    key('r', 'ctrl')
    read = window(app, '读取|Read')
    start = wait_for('the read button', lambda: find(read, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                                      and re.search('读取|Read', n.name or '')))
    press(start, 'the read window')
    bar = wait_for('the progress bar', lambda: find(read, lambda n: n.getRole() == pyatspi.ROLE_PROGRESS_BAR
                                                    and showing(n)))
    values = set()
    end = time.time() + 120
    while time.time() < end and len(values) < 4:
        try:
            values.add(bar.queryValue().currentValue)
        except Exception:
            break   # the window closed at the end of the read
        time.sleep(0.05)
    if len(values) < 3:
        fail('the read window\'s progress took only the values %s' % sorted(values))
    # The message that says the read is complete.
    wait_for('the end of the read', lambda: any(t.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
                                               for t in top_windows(app)), timeout=120)
    dismiss_messages(app)


def import_preview(app, chinese, csv):
    key('i', 'ctrl')
    dialog = wait_for('the file dialog', lambda: next((t for t in top_windows(app)
                                                       if t.getRole() == pyatspi.ROLE_DIALOG), None))
    name = wait_for('the file name box', lambda: find(dialog, lambda n: n.getRole() == pyatspi.ROLE_TEXT
                                                      and n.getState().contains(pyatspi.STATE_FOCUSED)))
    name.queryEditableText().setTextContents(csv)
    key('Return')
    preview = wait_for('the import preview', lambda: next(
        (t for t in top_windows(app) if t.getRole() == pyatspi.ROLE_DIALOG
         and find(t, lambda n: n.getRole() == pyatspi.ROLE_TABLE)), None))
    check_names(preview, chinese, 'the import preview')
    key('Escape')
    wait_for('the preview to close', lambda: not any(t.getRole() == pyatspi.ROLE_DIALOG for t in top_windows(app)))
    activate(app)


def walk_windows(app, chinese):
    language = 'Chinese' if chinese else 'English'
    main = main_frame(app)
    for keys in (('1', 'ctrl'), ('2', 'ctrl'), ('3', 'ctrl'), ('w', 'ctrl'), ('c', 'ctrl', 'shift')):
        key(*keys)
    for title in ('可选|Optional', '收音机|Radio', '写|Write', '端口|Communication|COM'):
        window(app, title)
    checked = check_names(main, chinese, 'the main window (%s)' % language)
    if checked < 40:
        fail('only %d controls with the focus in the main window and its windows (%s)' % (checked, language))
    check_channel_table(app, chinese)
    # The comparison with the radio, and a read window that is not reading.
    key('k', 'ctrl', 'shift')
    window(app, '比较|Compare')
    key('r', 'ctrl')
    window(app, '读取|Read')
    check_names(main, chinese, 'the transfer windows (%s)' % language)


def main():
    global program
    csv = os.path.join(WORK, 'channels.csv')
    with open(csv, 'w', encoding='utf-8', newline='') as out:
        out.write('Location,Name,Frequency\r\n1,BASE,446.00625\r\n2,FAR,999.5\r\n')
    radio = subprocess.Popen([VIRTUAL_RADIO, '--pace'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True)
    port = radio.stdout.readline().strip()
    env = dict(os.environ, QV3N_COM1=port)
    program = subprocess.Popen([PROGRAM], env=env, cwd=WORK)
    try:
        app = wait_for('the program on the AT-SPI bus', application, timeout=60)
        activate(app)

        read_from_radio(app)
        walk_windows(app, chinese=True)
        import_preview(app, True, csv)
        key('F12', 'ctrl')
        wait_for('the English captions', lambda: 'Radio' in main_frame(app).name)
        walk_windows(app, chinese=False)
        import_preview(app, False, csv)
        # Ends as a user ends it, so that whatever the program checks on its way out runs.
        key('q', 'ctrl')
        try:
            status = program.wait(60)
        except subprocess.TimeoutExpired:
            stop('the program did not end on Ctrl+Q')
        if status != 0:
            fail('the program ended with status %d' % status)
    finally:
        radio.terminate()
    finish()


if __name__ == '__main__':
    main()
