#!/usr/bin/python3
"""How soon each page is ready to calculate in headless Chromium, from file:// with the network
off: the time from the start of the navigation to the moment txtImperialSpeed is enabled. The
pages load alternately in one browser, after one load of each to warm up; medians compared.

Usage: bench/web/readiness.py [--runs N] PAGE BARE_PAGE   (or bench/web/readiness.sh)"""
import argparse
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../tests/web'))
from pagedriver import Browser  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Runs before the page's own scripts, in every document: notes when the box is enabled.
OBSERVER = '''
new MutationObserver(function (records, observer) {
    var box = document.getElementById("txtImperialSpeed");
    if (box && !box.disabled) {
        window.freefallReadyAt = performance.now();
        observer.disconnect();
    }
}).observe(document, {subtree: true, attributes: true, attributeFilter: ["disabled"]});
'''


def ready_after(browser, url):
    browser.driver.get(url)
    WebDriverWait(browser.driver, 10).until(
        lambda d: d.execute_script('return window.freefallReadyAt !== undefined'))
    return browser.js('return window.freefallReadyAt')


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--runs', type=int, default=40)
    parser.add_argument('page')
    parser.add_argument('bare_page')
    args = parser.parse_args()

    pages = {'freefall.html': args.page, 'bare page': args.bare_page}
    urls = {name: 'file://' + os.path.abspath(path) for name, path in pages.items()}
    browser = Browser('en-US')
    try:
        browser.cdp('Page.addScriptToEvaluateOnNewDocument', source=OBSERVER)
        for url in urls.values():
            ready_after(browser, url)
        times = {name: [] for name in urls}
        for run in range(args.runs):
            order = list(urls) if run % 2 == 0 else list(reversed(urls))
            for name in order:
                times[name].append(ready_after(browser, urls[name]))
    finally:
        browser.close()

    print(f'{"page":<16}{"bytes":>9}{"median ms":>11}{"min ms":>9}{"max ms":>9}')
    for name, path in pages.items():
        t = times[name]
        print(f'{name:<16}{os.path.getsize(path):>9}{statistics.median(t):>11.1f}'
              f'{min(t):>9.1f}{max(t):>9.1f}')
    ratio = statistics.median(times['freefall.html']) / statistics.median(times['bare page'])
    print(f'ratio of medians: {ratio:.2f} ({args.runs} loads of each)')


if __name__ == '__main__':
    main()
