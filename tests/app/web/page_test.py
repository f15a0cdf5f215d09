#!/usr/bin/python3
"""The game's web page in headless Chromium, against velinor-script on the same seed and input.

A game is solved twice, the page loaded anew between: each time the canvas and the stored record
must be velinor-script's for the input the page delivered. The record outlives a browser restart."""

import argparse
import base64
import functools
import http.server
import itertools
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

FIRST_TICK = 1000000
COMMAND_BAR = 26      # client y = screen y - COMMAND_BAR
CELL_SIZE = 20
SCREEN = (240, 320)
INTRO_MS = 5000
KEY = 'Software\\QTX\\Velinor'
STEPS = {1: (0, -1), 2: (1, 0), 3: (0, 1), 4: (-1, 0)}  # up, right, down, left
OPPOSITE = {1: 3, 2: 4, 3: 1, 4: 2}


class PageServer:
    def __init__(self, folder):
        quiet = type('Quiet', (http.server.SimpleHTTPRequestHandler,), {'log_message': lambda *args: None})
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(quiet, directory=folder))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()


def start_browser(profile):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which('chromium') or '/usr/bin/chromium'
    for argument in ['--headless=new', '--no-sandbox', '--disable-dev-shm-usage',
                     '--window-size=800,1100', '--user-data-dir=' + profile]:
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(shutil.which('chromedriver') or '/usr/bin/chromedriver'), options=options)


def run_script(script, lines):
    env = {k: v for k, v in os.environ.items() if k != 'VELINOR_REGISTRY'}  # a fresh store
    done = subprocess.run([script], input='\n'.join(lines) + '\n', capture_output=True,
                          text=True, env=env, timeout=120)
    if done.returncode != 0:
        raise AssertionError('velinor-script failed (%d): %s' % (done.returncode, done.stderr))
    return done.stdout


def solution_strokes(board):
    # Each line of the solution as the client points of its cells' centres, endpoint to endpoint.
    size, layer = board['gridSize'], board['solution']

    def value(x, y):
        return layer[x * 12 + y] if 0 <= x < size and 0 <= y < size else 0

    def sides(v):
        return divmod(-v, 10) if v < 0 else ()

    starts = {}  # each line from its first endpoint
    for x, y in itertools.product(range(size), repeat=2):
        starts.setdefault(value(x, y), (x, y))
    for label, start in starts.items():
        if label <= 0:
            continue
        x, y = start
        # A piece that leads away from the endpoint, else the other endpoint beside it.
        side = ([s for s, (dx, dy) in STEPS.items() if OPPOSITE[s] in sides(value(x + dx, y + dy))]
                + [s for s, (dx, dy) in STEPS.items() if value(x + dx, y + dy) == label])[0]
        path = [start]
        while (len(path) == 1 or value(x, y) < 0) and len(path) <= size * size:
            x, y = x + STEPS[side][0], y + STEPS[side][1]
            path.append((x, y))
            first, second = sides(value(x, y)) or (0, 0)
            side = second if first == OPPOSITE[side] else first
        assert value(x, y) == label, 'line %d does not end at its other endpoint' % label
        yield [(board['originX'] + x * CELL_SIZE + CELL_SIZE // 2, board['originY'] + y * CELL_SIZE + CELL_SIZE // 2)
               for x, y in path]


def parse_record(text):
    # The values of the game's key as (name, type, hex).
    lines = text.split('\n')
    assert lines[0] == 'velinor-registry 1' and lines[-2:] == ['end', ''], text[:80]
    values, key = [], None
    for fields in (line.split('\t') for line in lines[1:-2]):
        name = urllib.parse.unquote(fields[1], encoding='latin-1')
        if fields[0] == 'key':
            key = name
        elif key == KEY:
            values.append((name, {1: 'SZ', 4: 'DWORD'}[int(fields[2])], fields[3] or '-'))
    return values


class Session:
    def __init__(self, driver, url):
        self.driver = driver
        self.driver.get(url)
        self.wait_for('return Module.page && Module.page.firstFrame > 0', 'the first frame')

    def wait_for(self, script, what, seconds=20):
        end = time.monotonic() + seconds
        while not self.driver.execute_script(script):
            if time.monotonic() > end:
                raise AssertionError('the page never showed ' + what)
            time.sleep(0.05)

    def viewport(self, client_x, client_y):
        left, top, width, height = self.driver.execute_script(
            'var r = Module.canvas.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]')
        return (int(left + (client_x + 0.5) * width / SCREEN[0]),
                int(top + (client_y + COMMAND_BAR + 0.5) * height / SCREEN[1]))

    def stroke(self, points, pointer):
        from selenium.webdriver.common.actions import action_builder, interaction, pointer_input

        kind = interaction.POINTER_TOUCH if pointer == 'touch' else interaction.POINTER_MOUSE
        mouse = pointer_input.PointerInput(kind, pointer)
        actions = action_builder.ActionBuilder(self.driver, mouse=mouse, duration=20)
        actions.pointer_action.move_to_location(*self.viewport(*points[0])).pointer_down()
        for point in points[1:]:
            actions.pointer_action.move_to_location(*self.viewport(*point))
        actions.pointer_action.pointer_up()
        actions.perform()

    def compare_canvas(self, png):
        # The PNG's size, the pixels that differ and, if any do, the canvas.
        return self.driver.execute_async_script('''
            var done = arguments[1], image = new Image();
            image.onload = function () {
              var c = Module.canvas, copy = document.createElement('canvas');
              [copy.width, copy.height] = [c.width, c.height];
              copy.getContext('2d').drawImage(image, 0, 0);
              var shown = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
              var wanted = copy.getContext('2d').getImageData(0, 0, c.width, c.height).data;
              var wrong = [];
              for (var i = 0; i < shown.length; i += 4)
                if (shown[i] != wanted[i] || shown[i + 1] != wanted[i + 1] || shown[i + 2] != wanted[i + 2])
                  wrong.push([(i / 4) % c.width, Math.floor(i / 4 / c.width)]);
              done([image.width, image.height, wrong, wrong.length ? c.toDataURL() : '']);
            };
            image.src = 'data:image/png;base64,' + arguments[0];''', base64.b64encode(png).decode())

    def record(self):
        text = self.driver.execute_script('return localStorage.getItem("velinor.registry")')
        assert text is not None, 'the page stored nothing'
        return text

    def figures(self):
        return self.driver.execute_script('return [Module.page.firstFrame, Module.page.frames]')


def replay_lines(seed, stored, delivered):
    lines = ['seed %d' % seed] + ['reg %s %s %s' % value for value in stored] + ['start']
    words = {1: 'press', 2: 'move', 3: 'release'}
    tick = FIRST_TICK
    for when, kind, x, y in delivered:
        if when > tick:
            lines.append('wait %d' % (when - tick))
            tick = when
        assert kind in words, 'only stylus input was given, not %d' % kind
        lines.append('%s %d %d' % (words[kind], x, y - COMMAND_BAR))
    return lines


def play_game(session, strokes, pause_before_last):
    for number, points in enumerate(strokes):
        if number == len(strokes) - 1:
            time.sleep(pause_before_last)
        session.stroke(points, 'touch' if number % 2 else 'mouse')
    time.sleep(0.5)  # the last frame reaches the canvas


def check_session(session, script, seed, stored_before, out, name):
    shot = os.path.join(out, name + '-script.png')
    lines = replay_lines(seed, stored_before, session.driver.execute_script('return Module.page.delivered'))
    with open(os.path.join(out, name + '.script'), 'w') as f:
        f.write('\n'.join(lines) + '\n')
    printed = run_script(script, lines + ['shot ' + shot, 'registry'])
    with open(shot, 'rb') as f:
        width, height, wrong, shown = session.compare_canvas(f.read())
    assert (width, height) == SCREEN
    if wrong:
        with open(os.path.join(out, name + '-page.png'), 'wb') as f:
            f.write(base64.b64decode(shown.split(',', 1)[1]))
        raise AssertionError('%s: %d pixels differ from velinor-script\'s frame, first at %s (see %s)'
                             % (name, len(wrong), wrong[:5], out))
    script_values = [tuple(line.split(' ')) for line in printed.splitlines()
                     if len(line.split(' ')) == 3 and line.split(' ')[1] in ('SZ', 'DWORD')]
    page_values = parse_record(session.record())
    assert page_values == script_values, '%s: stored %s, velinor-script %s' % (name, page_values, script_values)
    return page_values


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--page', required=True, help='the built page (build/web)')
    parser.add_argument('--script', required=True, help='velinor-script')
    parser.add_argument('--out', required=True, help='a folder for replays and screenshots')
    parser.add_argument('--seed', type=int, default=20)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name in ('index.html', 'velinor.js', 'velinor.wasm', 'favicon.png', 'velinor.webmanifest'):
        assert os.path.isfile(os.path.join(args.page, name)), name + ' is missing: run scripts/web.sh'

    dump = run_script(args.script, ['seed %d' % args.seed, 'start', 'dump']).splitlines()[-1]
    strokes = list(solution_strokes(json.loads(dump)['board']))

    profile = tempfile.mkdtemp(prefix='velinor-page-')
    server = PageServer(args.page)
    try:
        try:
            driver = start_browser(profile)
        except Exception as error:  # the browser, not the page: nothing can be tested here
            print('SKIPPED: headless Chromium cannot start on this machine: %s'
                  % str(error).strip().splitlines()[0])
            return 77  # a skip for CTest
        page = server.url + 'index.html?seed=%d' % args.seed
        try:
            stored = []
            # The second time, a little slower so that no best time interrupts.
            for games, name, pause in ((1, 'first', 0), (2, 'second', 1.5)):
                session = Session(driver, page)
                time.sleep(INTRO_MS / 1000 + 0.5)  # the opening animation runs out by itself
                play_game(session, strokes, pause)
                stored = check_session(session, args.script, args.seed, stored, args.out, name)
                assert ('totalplay00', 'DWORD', '%02x000000' % games) in stored, stored
            kept = session.record()
        finally:
            driver.quit()

        driver = start_browser(profile)
        try:
            session = Session(driver, server.url + 'index.html')
            assert session.record() == kept, 'the record did not outlive the browser'
        finally:
            driver.quit()
    finally:
        server.close()
        shutil.rmtree(profile, ignore_errors=True)

    print('%d strokes played twice; frames and records match velinor-script' % len(strokes))
    return 0


if __name__ == '__main__':
    sys.exit(main())
