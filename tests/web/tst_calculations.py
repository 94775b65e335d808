"""The calculation table of the core's tests, typed into the page in a real browser whose
language is FREEFALL_LOCALE, in the mode of each case: the page shows what the core's tests
expect, clears where they clear and stops where they stop, leaving boxes as they were.

Usage: FREEFALL_LOCALE=de-DE python3 tests/web/tst_calculations.py (see pagedriver.py)."""
import os
import unittest

import pagedriver
from pagedriver import Browser, Keys


def same(text):
    return text


def german(text):
    """An en_US text as de-DE writes it: the same groups with the separators swapped."""
    return text.translate(str.maketrans({',': '.', '.': ','}))


# The table's locales each browser language runs, and how the table's texts read in it.
RUNS = {
    'en-US': [('en_US', same), ('C', same)],
    'en-GB': [('en_US', same), ('C', same)],
    'de-DE': [('de_DE', same), ('en_US', german)],
    'fr-FR': [('fr_FR', same)],
    'hi-IN': [('hi_IN', same)],
    'es-ES': [('es_ES', same)],
}

LOCALE = os.environ.get('FREEFALL_LOCALE', 'en-US')


class Calculations(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = pagedriver.page_data()
        cls.browser = Browser(LOCALE)
        cls.requests = cls.browser.load()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def test_language_reaches_navigator_and_intl(self):
        language, intl = self.browser.js(
            'return [navigator.language, Intl.NumberFormat().resolvedOptions().locale]')
        self.assertEqual(language, LOCALE)
        self.assertEqual(intl, LOCALE)

    def test_page_requests_nothing_but_itself(self):
        self.assertEqual(self.requests, [pagedriver.PAGE_URL])

    def test_table(self):
        cases = [(case, convert) for locale, convert in RUNS[LOCALE]
                 for case in self.data['cases'] if case['locale'] == locale]
        self.assertGreater(len(cases), 0)
        for case, convert in cases:
            with self.subTest(case=case['name'], mode=case['mode']):
                self.assertEqual(self.calculate(case), self.expected(case, convert))
        self.assertEqual(self.browser.console_errors(), [])

    def calculate(self, case):
        """Calculate through the page as a user would, from boxes in a known state."""
        b = self.browser
        imperial = case['mode'] == 'imperial'
        option = b.element('optImperial' if imperial else 'optMetric')
        if not option.is_selected():
            option.click()
        b.element('cmdClear').click()
        typed, other = (case['imperial'], case['metric']) if imperial else (case['metric'],
                                                                            case['imperial'])
        source, target = self.speed_boxes(imperial)
        # The other speed box is locked; what it holds comes from outside, as in the core's
        # tests. The distances hold a text of their own, to see which boxes are written.
        b.set_value(target, other)
        if typed:
            b.element(source).send_keys(typed)
        b.set_value('txtStopInches', 'old')
        b.set_value('txtStopMillimeters', 'old')
        b.element(source).send_keys(Keys.ENTER)
        return b.boxes()

    def expected(self, case, convert):
        imperial = case['mode'] == 'imperial'
        if case['outcome'] == 'clear':
            return [''] * 4
        source, target = self.speed_boxes(imperial)
        boxes = {source: case['imperial'] if imperial else case['metric'],
                 target: case['metric'] if imperial else case['imperial'],
                 'txtStopInches': 'old', 'txtStopMillimeters': 'old'}
        for label, text in case['writes']:
            boxes[self.data['boxes'][label]] = convert(text)
        return [boxes[box] for box in pagedriver.BOX_IDS]

    @staticmethod
    def speed_boxes(imperial):
        return ('txtImperialSpeed', 'txtMetricSpeed') if imperial else ('txtMetricSpeed',
                                                                         'txtImperialSpeed')


if __name__ == '__main__':
    unittest.main()
