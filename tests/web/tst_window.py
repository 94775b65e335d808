"""The window's behaviour on the page, by keyboard and mouse in a real browser: start-up, Enter
and the default button, tab order, access keys, the option group, the nine-character limit,
Clear, the stale-result wipe, the silent stop, the pointer keywords and the formula message.

Usage: python3 tests/web/tst_window.py (see pagedriver.py)."""
import unittest

import pagedriver
from pagedriver import RED, WHITE, YELLOW, Browser, Keys

FORMULA_LINES = [
    'SECTION 1304 GRAVITY STOPPING DISTANCES',
    '',
    'The following formulas give the value of the stopping',
    'distance based on gravity retardation from any initial',
    'velocity.',
    '',
    'CUSTOMARY UNITS (IMPERIAL)',
    '',
    '          S = V^2  /  19,320',
    '',
    'SI UNITS (METRIC)',
    '',
    '          S = V^2  /  0.01963',
    '',
    'where',
    '  S = free fall (gravity stopping distance), in. (mm)',
    '  V = initial velocity, ft/min (m/s)',
    '  ^ = to the power of',
]
AFTER_100 = ['100', '0.51', '0.52', '13.21']
AFTER_METRIC_1 = ['196.85', '1', '2.01', '50.94']


class Window(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = pagedriver.page_data()
        cls.browser = Browser('en-US')

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.b = self.browser
        self.b.load()

    def tearDown(self):
        self.assertEqual(self.b.console_errors(), [])

    def type(self, text):
        self.b.keys(text)

    def select_all_and_type(self, text):
        self.b.ctrl('a')
        self.b.keys(text)

    def mode_looks(self, imperial):
        """The look of both speed boxes and both option captions in a mode."""
        source, target = ('txtImperialSpeed', 'txtMetricSpeed') if imperial else (
            'txtMetricSpeed', 'txtImperialSpeed')
        b = self.b
        self.assertTrue(b.element('optImperial' if imperial else 'optMetric').is_selected())
        self.assertEqual(b.caption_colour('optImperial' if imperial else 'optMetric'), RED)
        self.assertNotEqual(b.caption_colour('optMetric' if imperial else 'optImperial'), RED)
        self.assertEqual(b.background(target), YELLOW)
        self.assertEqual(b.js('var e = document.getElementById(arguments[0]);'
                              'return [e.readOnly, e.tabIndex];', target), [True, -1])
        self.assertEqual(b.background(source), WHITE)
        self.assertFalse(b.js('return document.getElementById(arguments[0]).readOnly', source))
        self.assertEqual(b.focused(), source)

    def test_start(self):
        b = self.b
        self.mode_looks(imperial=True)
        self.assertEqual(b.boxes(), [''] * 4)
        for box in ('txtStopInches', 'txtStopMillimeters'):
            self.assertEqual(b.background(box), YELLOW)
        self.assertEqual(b.js('return document.querySelector("title").textContent'),
                         self.data['window']['title'])
        self.assertTrue(self.data['window']['title'].startswith(' '))
        self.assertEqual(b.element('frmFreefall').get_attribute('data-mouse-pointer'), '0')

    def test_enter_is_calculate_except_on_a_command_button(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        self.assertEqual(b.boxes(), AFTER_100)
        # Tab to Clear, whose Enter clears rather than calculates.
        self.type(Keys.TAB + Keys.TAB)
        self.assertEqual(b.focused(), 'cmdClear')
        self.type(Keys.ENTER)
        self.assertEqual(b.boxes(), [''] * 4)
        self.assertEqual(b.focused(), 'txtImperialSpeed')
        # Enter on an option button is Calculate's too.
        self.type('100')
        b.element('optImperial').send_keys(Keys.ENTER)
        self.assertEqual(b.boxes(), AFTER_100)

    def test_tab_order(self):
        b = self.b
        order = []
        for _ in range(3):
            self.type(Keys.TAB)
            order.append(b.focused())
        self.assertEqual(order, ['cmdCalculate', 'cmdClear', 'optImperial'])
        b.chord(Keys.SHIFT, Keys.TAB)
        self.assertEqual(b.focused(), 'cmdClear')
        # In Metric mode the metres-per-second box takes the feet-per-minute box's place.
        b.alt('m')
        order = []
        for _ in range(3):
            self.type(Keys.TAB)
            order.append(b.focused())
        self.assertEqual(order, ['cmdCalculate', 'cmdClear', 'optMetric'])
        # Past the last stop the page leaves the focus to the browser and comes back to the
        # first, never to a box out of the tab order.
        seen = []
        for _ in range(3):
            self.type(Keys.TAB)
            seen.append(b.focused())
            if seen[-1] == 'txtMetricSpeed':
                break
        self.assertEqual(seen[-1], 'txtMetricSpeed')
        self.assertFalse(set(seen) & {'txtImperialSpeed', 'txtStopInches', 'txtStopMillimeters'})

    def test_nine_characters_typed_pasted_and_written(self):
        b = self.b
        self.type('1234567890')
        self.assertEqual(b.element('txtImperialSpeed').get_attribute('value'), '123456789')
        # Paste a longer text copied from the page's title.
        b.js('var range = document.createRange();'
             'range.selectNodeContents(document.getElementById("Label1"));'
             'getSelection().removeAllRanges(); getSelection().addRange(range);')
        b.ctrl('c')
        b.element('cmdClear').click()
        b.ctrl('v')
        self.assertEqual(b.element('txtImperialSpeed').get_attribute('value'), 'Gravity S')

    def test_access_keys(self):
        b = self.b
        b.alt('m')
        self.mode_looks(imperial=False)
        self.type('1')
        b.alt('c')
        self.assertEqual(b.boxes(), AFTER_METRIC_1)
        self.assertEqual(b.focused(), 'cmdCalculate')
        b.alt('l')
        self.assertEqual(b.boxes(), [''] * 4)
        self.assertEqual(b.focused(), 'txtMetricSpeed')
        b.alt('i')
        self.mode_looks(imperial=True)

    def test_switching_mode_empties_every_box(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        b.element('optMetric').click()
        self.assertEqual(b.boxes(), [''] * 4)
        self.mode_looks(imperial=False)
        self.type('1' + Keys.ENTER)
        self.assertEqual(b.boxes(), AFTER_METRIC_1)
        b.element('optImperial').click()
        self.assertEqual(b.boxes(), [''] * 4)
        self.mode_looks(imperial=True)

    def test_arrow_keys_select_within_the_option_group(self):
        b = self.b
        self.type(Keys.TAB * 3)
        self.assertEqual(b.focused(), 'optImperial')
        self.type(Keys.ARROW_RIGHT)
        self.mode_looks(imperial=False)
        b.element('optMetric').send_keys(Keys.ARROW_LEFT)
        self.mode_looks(imperial=True)

    def test_choosing_the_selected_mode_again_changes_nothing(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        b.element('optImperial').click()
        b.alt('i')
        self.assertEqual(b.boxes(), AFTER_100)

    def test_clear_with_empty_boxes_only_moves_the_focus(self):
        b = self.b
        b.element('cmdCalculate').click()
        self.assertEqual(b.focused(), 'txtImperialSpeed')
        self.type(Keys.TAB)
        b.element('cmdClear').click()
        self.assertEqual(b.boxes(), [''] * 4)
        self.assertEqual(b.focused(), 'txtImperialSpeed')

    def test_editing_the_speed_wipes_stale_results(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        self.type('0')
        self.assertEqual(b.boxes(), ['1000', '', '', ''])
        # Keyed on the inches box: with it empty, the other boxes stay.
        b.set_value('txtMetricSpeed', '5.08')
        self.type(Keys.BACKSPACE)
        self.assertEqual(b.boxes(), ['100', '5.08', '', ''])
        b.alt('m')
        self.type('1' + Keys.ENTER)
        self.type('0')
        self.assertEqual(b.boxes(), ['', '10', '', ''])

    def test_locked_boxes_take_the_caret_and_copy_but_no_typing(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        b.element('txtStopMillimeters').click()
        self.assertEqual(b.focused(), 'txtStopMillimeters')
        self.type('7' + Keys.BACKSPACE)
        self.assertEqual(b.boxes(), AFTER_100)
        b.ctrl('a')
        b.ctrl('c')
        b.element('cmdClear').click()
        b.ctrl('v')
        self.assertEqual(b.boxes(), ['13.21', '', '', ''])

    def test_silent_stop(self):
        b = self.b
        self.type('1E200' + Keys.ENTER)
        self.assertEqual(b.boxes(), ['1E200', '', '', ''])
        # Over earlier results: a speed whose square overflows leaves them as they were.
        self.select_all_and_type('100' + Keys.ENTER)
        b.set_value('txtImperialSpeed', '1E200')
        self.type(Keys.ENTER)
        self.assertEqual(b.boxes(), ['1E200', '0.51', '0.52', '13.21'])
        self.assertFalse(b.js('return document.getElementById("msgBox").open'))

    def test_pointer_keywords_without_icon_files(self):
        b = self.b
        pointer = lambda: b.element('frmFreefall').get_attribute('data-mouse-pointer')
        self.type('Zinc')
        self.assertEqual((pointer(), b.boxes()[0]), ('0', 'Zinc'))
        # The pointer changes, the icon cannot be loaded, and the keyword stays.
        self.select_all_and_type('zinc')
        self.assertEqual((pointer(), b.boxes()[0]), ('99', 'zinc'))
        self.select_all_and_type('arrow')
        self.assertEqual((pointer(), b.boxes()[0]), ('0', ''))
        # After a calculation the keyword first wipes the results.
        self.type('100' + Keys.ENTER)
        self.select_all_and_type('quartz')
        self.assertEqual((pointer(), b.boxes()), ('99', ['quartz', '', '', '']))

    def check_message(self):
        b = self.b
        state = b.js(
            'var d = document.getElementById("msgBox"), t = document.getElementById("msgBoxText");'
            'return {open: d.open, modal: d.matches(":modal"), title:'
            ' document.getElementById("msgBoxTitle").textContent, text: t.textContent,'
            ' shown: t.innerText, clipped: t.scrollWidth > t.clientWidth,'
            ' buttons: Array.from(d.querySelectorAll("button")).map(function (b) {'
            '   return b.textContent; }), focused: document.activeElement.textContent};')
        self.assertTrue(state['open'])
        self.assertTrue(state['modal'])
        self.assertEqual(state['title'], 'Gravity Stopping Distances')
        self.assertEqual(state['text'].split('\n'), FORMULA_LINES)
        self.assertEqual(state['shown'].split('\n'), FORMULA_LINES)
        self.assertFalse(state['clipped'])
        self.assertEqual(state['buttons'], ['OK'])
        self.assertEqual(state['focused'], 'OK')
        # Modal: typing reaches no box.
        self.type('5')
        self.assertEqual(b.boxes(), AFTER_100)

    def closed(self, back_to):
        self.assertFalse(self.b.js('return document.getElementById("msgBox").open'))
        self.assertEqual(self.b.focused(), back_to)
        self.assertEqual(self.b.boxes(), AFTER_100)

    def test_formula_message(self):
        b = self.b
        self.type('100' + Keys.ENTER)
        b.ctrl('s')
        self.check_message()
        self.type(Keys.ESCAPE)
        self.closed('txtImperialSpeed')
        # Alt+H opens the Help menu, S chooses its item; Enter closes.
        b.alt('h')
        self.assertEqual(b.element('mnuHelp').get_attribute('aria-expanded'), 'true')
        self.assertEqual(b.focused(), 'mnuStopDisInfo')
        self.type('s')
        self.assertEqual(b.element('mnuHelp').get_attribute('aria-expanded'), 'false')
        self.check_message()
        self.type(Keys.ENTER)
        self.closed('txtImperialSpeed')
        # By mouse, from the Calculate button; OK closes.
        b.element('cmdCalculate').click()
        b.element('mnuHelp').click()
        b.element('mnuStopDisInfo').click()
        self.check_message()
        b.element('msgBoxOk').click()
        self.closed('cmdCalculate')

    def test_help_menu_closes_without_choosing(self):
        b = self.b
        b.alt('h')
        self.type(Keys.ESCAPE)
        self.assertEqual(b.element('mnuHelp').get_attribute('aria-expanded'), 'false')
        self.assertTrue(b.js('return document.getElementById("mnuHelpItems").hidden'))
        self.assertEqual(b.focused(), 'txtImperialSpeed')
        self.assertFalse(b.js('return document.getElementById("msgBox").open'))


if __name__ == '__main__':
    unittest.main()
