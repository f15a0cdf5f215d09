#!/usr/bin/python3
"""Figures of the web page in headless Chromium: its weight, the time from loading the page to
its first frame, and the time of a full frame (a tap beside the board repaints everything).

    scripts/web-figures.py [--loads N] [--screenshot FILE.png]   after scripts/web.sh

Each load runs in a fresh browser profile, so nothing is cached. Times come from the page's own
performance.now(): the first frame is counted from the start of navigation, a frame from the
program's waking up (input or timer) to the frame on the canvas. Medians are printed.
"""

import argparse
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'app', 'web'))
from page_test import INTRO_MS, PageServer, Session, start_browser  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--page', default=os.path.join(os.path.dirname(__file__), '..', 'build', 'web'))
    parser.add_argument('--loads', type=int, default=7)
    parser.add_argument('--screenshot', help='also save the browser window after the first load')
    args = parser.parse_args()
    sizes = {name: os.path.getsize(os.path.join(args.page, name)) for name in ('velinor.js', 'velinor.wasm')}

    server = PageServer(args.page)
    first_frames, full_frames = [], []
    try:
        for load in range(args.loads):
            profile = tempfile.mkdtemp(prefix='velinor-figures-')
            driver = start_browser(profile)
            try:
                session = Session(driver, server.url + 'index.html?seed=%d' % (load + 1))
                first_frames.append(session.figures()[0])
                time.sleep(INTRO_MS / 1000 + 0.5)
                count = len(session.figures()[1])
                # A tap below the board: both press and release repaint everything, and the
                # clock does not start, so no clock tick adds a frame of its own.
                session.stroke([(120, 280)], 'mouse')
                session.wait_for('return Module.page.frames.length >= %d' % (count + 2), 'the tap')
                full_frames.append(session.figures()[1][-1])
                if args.screenshot and load == 0:
                    driver.save_screenshot(args.screenshot)
            finally:
                driver.quit()
                shutil.rmtree(profile, ignore_errors=True)
    finally:
        server.close()

    print('page weight: velinor.js %d + velinor.wasm %d = %d bytes'
          % (sizes['velinor.js'], sizes['velinor.wasm'], sum(sizes.values())))
    print('first frame after page load: median %.1f ms (%s)'
          % (statistics.median(first_frames), ', '.join('%.0f' % t for t in first_frames)))
    print('full frame: median %.2f ms (%s)'
          % (statistics.median(full_frames), ', '.join('%.2f' % t for t in full_frames)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
