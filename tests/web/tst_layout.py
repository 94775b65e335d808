"""The window's design on the page: every control at its place (twips / 15 = CSS pixels), with
its fonts, tab index, limit, tooltip, access key and accessible name and description; the page
at 200 % zoom and on a phone's width; and screenshots for a look.

Usage: python3 tests/web/tst_layout.py (see pagedriver.py)."""
import os
import re
import unittest

import pagedriver
from pagedriver import Browser, Keys

RECTS = ('var client = document.querySelector(".client").getBoundingClientRect();'
         'return Array.from(document.querySelectorAll(".client > [data-name]")).map(function (e) {'
         '  var r = e.getBoundingClientRect();'
         '  return {name: e.getAttribute("data-name"), left: r.left - client.left,'
         '          top: r.top - client.top, right: r.right, bottom: r.bottom, width: r.width,'
         '          height: r.height, absLeft: r.left, absTop: r.top}; });')


def overlapping(rects):
    pairs = []
    for i, a in enumerate(rects):
        for b in rects[i + 1:]:
            if (a['absLeft'] < b['right'] and b['absLeft'] < a['right'] and
                    a['absTop'] < b['bottom'] and b['absTop'] < a['bottom']):
                pairs.append((a['name'], b['name']))
    return pairs


class OneFile(unittest.TestCase):
    """The file as it lies on disk, before any script runs."""

    @classmethod
    def setUpClass(cls):
        with open(pagedriver.PAGE, encoding='utf-8') as f:
            cls.html = f.read()

    def test_at_most_200_kib(self):
        self.assertLessEqual(os.path.getsize(pagedriver.PAGE), 200 * 1024)

    def test_refers_to_no_other_file(self):
        self.assertEqual(re.findall(r'\b(?:src|href)\s*=|url\(|@import', self.html), [])

    def test_speed_box_disabled_until_the_core_is_ready(self):
        box = re.search(r'<input[^>]*\bid="txtImperialSpeed"[^>]*>', self.html)
        self.assertIsNotNone(box)
        self.assertRegex(box.group(0), r'\sdisabled\b')


class Design(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = pagedriver.page_data()
        cls.controls = {c['name']: c for c in cls.data['controls']}
        cls.browser = Browser('en-US', width=800, height=600)
        cls.browser.load()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def test_fifteen_controls_at_their_places(self):
        b = self.browser
        rects = b.js(RECTS)
        self.assertEqual(sorted(r['name'] for r in rects), sorted(self.controls))
        self.assertEqual(len(rects), 15)
        for rect in rects:
            design = self.controls[rect['name']]
            with self.subTest(control=rect['name']):
                for side in ('left', 'top', 'width', 'height'):
                    self.assertAlmostEqual(rect[side], design[side], delta=0.5, msg=side)
        client = b.js('var r = document.querySelector(".client").getBoundingClientRect();'
                      'return [r.width, r.height];')
        self.assertEqual(client, [self.data['window']['clientWidth'],
                                  self.data['window']['clientHeight']])
        self.assertEqual(overlapping(rects), [])

    def test_fonts(self):
        # 12 pt, 9.75 pt and 13.5 pt at 96 dots per inch.
        expected = {'textbox': ('16px', '700'), 'command': ('13px', '700'),
                    'option': ('13px', '700'), 'label': ('13px', '700')}
        for name, design in self.controls.items():
            with self.subTest(control=name):
                # An option button's caption is its label's.
                font = self.browser.js(
                    'var e = document.getElementById(arguments[0]);'
                    'var s = getComputedStyle(e.labels && e.labels.length ? e.labels[0] : e);'
                    'return [s.fontSize, s.fontWeight];', name)
                want = ('18px', '400') if name == 'Label1' else expected[design['kind']]
                self.assertEqual(tuple(font), want)

    def test_controls_as_designed(self):
        b = self.browser
        for name, design in self.controls.items():
            with self.subTest(control=name):
                element = b.element(name)
                tooltip = element.get_attribute('title') or ''
                self.assertEqual(tooltip, design['toolTip'])
                if design['kind'] == 'label':
                    self.assertEqual(element.text, design['caption'])
                    continue
                # Form_Load has given the metres-per-second box the output look.
                output = name == 'txtMetricSpeed'
                tab_stop = design.get('tabStop', True) and not output
                self.assertEqual(element.get_attribute('tabindex'),
                                 str(design['tabIndex'] + 1 if tab_stop else -1))
                if design['kind'] == 'textbox':
                    self.assertEqual(element.get_attribute('maxlength'),
                                     str(self.data['window']['maxLength']))
                    self.assertEqual(element.get_attribute('readonly') is not None,
                                     design['locked'] or output)
                    continue
                caption = b.js('var e = document.getElementById(arguments[0]);'
                               'var shown = e.labels && e.labels.length ? e.labels[0] : e;'
                               'var u = shown.querySelector("u");'
                               'return [shown.textContent, u ? u.textContent : ""];', name)
                self.assertEqual(caption[0], design['caption'])
                self.assertEqual(caption[1].lower(), design['accessKey'])
                self.assertEqual(element.get_attribute('aria-keyshortcuts'),
                                 'Alt+' + design['accessKey'].upper())
        self.assertEqual(b.element('cmdCalculate').get_attribute('data-default'), '')

    def test_accessible_names_and_descriptions(self):
        for name, design in self.controls.items():
            with self.subTest(control=name):
                self.assertEqual(self.browser.accessible(name),
                                 (design['accessibleName'], design['accessibleDescription']))
        menu = self.data['menu']
        self.assertEqual(self.browser.accessible(menu['titleName'])[0], menu['title'])
        self.assertEqual(self.browser.element(menu['itemName']).get_attribute('aria-keyshortcuts'),
                         'Control+' + menu['shortcutKey'])

    def test_screenshots(self):
        b = self.browser
        b.screenshot('page-100.png')
        b.alt('m')
        b.keys('50' + Keys.ENTER)
        self.assertEqual(b.boxes(), ['9,842.52', '50', '5,014.02', '127,356.0'])
        b.screenshot('page-100-metric-50.png')
        b.ctrl('s')
        b.screenshot('page-100-formula-message.png')
        b.keys(Keys.ESCAPE)


class Narrow(unittest.TestCase):
    """Pages narrower than the window: its rows reflow, nothing overlaps or leaves the page
    sideways, and a calculation by keyboard works."""

    def check(self, width, height, scale, shot):
        b = Browser('en-US', width=width, height=height, scale=scale)
        try:
            b.load()
            rects = b.js(RECTS)
            self.assertEqual(len(rects), 15)
            self.assertEqual(overlapping(rects), [])
            viewport = b.js('return [document.documentElement.clientWidth,'
                            ' document.documentElement.scrollWidth]')
            self.assertLessEqual(viewport[1], viewport[0], 'scrolls sideways')
            for rect in rects:
                self.assertLessEqual(rect['right'], viewport[0], rect['name'])
                self.assertGreaterEqual(rect['absLeft'], 0, rect['name'])
            # Every text box shows the widest result whole.
            b.alt('m')
            b.keys('50' + Keys.ENTER)
            self.assertEqual(b.boxes(), ['9,842.52', '50', '5,014.02', '127,356.0'])
            fits = b.js('return Array.from(document.querySelectorAll(".textbox")).every('
                        '  function (e) { return e.scrollWidth <= e.clientWidth; });')
            self.assertTrue(fits)
            b.screenshot(shot)
            b.ctrl('s')
            clipped = b.js('var d = document.getElementById("msgBox").getBoundingClientRect();'
                           'return d.left < 0 || d.right > document.documentElement.clientWidth;')
            self.assertFalse(clipped)
            b.screenshot(shot.replace('.png', '-formula-message.png'))
            self.assertEqual(b.console_errors(), [])
        finally:
            b.close()

    def test_200_percent_on_a_wide_window(self):
        # 640 CSS pixels: the design's layout, twice as large.
        self.check(1280, 800, 2, 'page-200-wide.png')

    def test_200_percent_on_a_small_window(self):
        # 512 CSS pixels, narrower than the window: the rows reflow.
        self.check(1024, 768, 2, 'page-200-narrow.png')

    def test_phone(self):
        self.check(360, 640, 1, 'page-phone.png')


if __name__ == '__main__':
    unittest.main()
