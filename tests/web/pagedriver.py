"""Headless Chromium on the one-file page, through chromedriver: a fresh profile, the network
off, the browser's language set for both navigator.language and Intl, and the page loaded from
file:// with every request it makes recorded.

The tests take their inputs from the environment, as CTest sets it:
  FREEFALL_PAGE        the page, build-web/freefall.html
  FREEFALL_PAGE_DATA   the design tables and the calculation cases, as JSON
  FREEFALL_SHOTS       where screenshots go (optional)
  FREEFALL_CHROMIUM, FREEFALL_CHROMEDRIVER   the browser and its driver
"""
import json
import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = os.path.abspath(os.environ.get('FREEFALL_PAGE', 'build-web/freefall.html'))
PAGE_URL = 'file://' + PAGE
BOX_IDS = ('txtImperialSpeed', 'txtMetricSpeed', 'txtStopInches', 'txtStopMillimeters')


def page_data():
    with open(os.environ.get('FREEFALL_PAGE_DATA', 'build-web/tests/web/pagetestdata.json'),
              encoding='utf-8') as f:
        return json.load(f)


class Browser:
    """One browser with one page; width and height are the viewport's in device pixels, scale
    the zoom (2 shows the page as at 200 %)."""

    def __init__(self, locale='en-US', width=800, height=600, scale=1):
        self.locale = locale
        self.profile = tempfile.mkdtemp(prefix='freefall-chromium-')
        options = Options()
        options.binary_location = os.environ.get('FREEFALL_CHROMIUM', '/usr/bin/chromium')
        for argument in ('--headless', '--no-sandbox', '--disable-gpu',
                         '--disable-background-networking', '--disable-component-update',
                         '--disable-sync', '--no-first-run', '--disable-extensions',
                         '--user-data-dir=' + self.profile, f'--window-size={width},{height}',
                         '--accept-lang=' + locale, '--lang=' + locale,
                         # Whatever would leave the machine goes nowhere.
                         '--proxy-server=127.0.0.1:9', '--host-resolver-rules=MAP * ~NOTFOUND'):
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
        service = Service(os.environ.get('FREEFALL_CHROMEDRIVER', '/usr/bin/chromedriver'))
        try:
            self.driver = webdriver.Chrome(service=service, options=options)
        except Exception:
            shutil.rmtree(self.profile, ignore_errors=True)
            raise
        self.cdp('Emulation.setLocaleOverride', locale=locale)
        self.cdp('Network.enable')
        self.cdp('Network.emulateNetworkConditions', offline=True, latency=0,
                 downloadThroughput=0, uploadThroughput=0)
        if scale != 1:
            self.cdp('Emulation.setDeviceMetricsOverride', width=int(width / scale),
                     height=int(height / scale), deviceScaleFactor=scale, mobile=False)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def load(self):
        """Loads the page afresh and waits until it is ready to calculate; returns the URLs it
        requested, the page's own first."""
        self.driver.get_log('performance')
        self.driver.get(PAGE_URL)
        WebDriverWait(self.driver, 10).until(
            lambda d: self.element('txtImperialSpeed').is_enabled())
        requests = []
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Network.requestWillBeSent':
                requests.append(message['params']['request']['url'])
        return requests

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def boxes(self):
        return self.js('return arguments[0].map(function (id) {'
                       '  return document.getElementById(id).value; })', list(BOX_IDS))

    def focused(self):
        return self.js('return document.activeElement && document.activeElement.id')

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def alt(self, key):
        self.chord(Keys.ALT, key)

    def ctrl(self, key):
        self.chord(Keys.CONTROL, key)

    def set_value(self, element_id, text):
        """Puts text into a box as no user could (a locked box, or past its limit), without an
        input event: the state a test starts from."""
        self.js('document.getElementById(arguments[0]).value = arguments[1]', element_id, text)

    def background(self, element_id):
        return self.js('return getComputedStyle(document.getElementById(arguments[0]))'
                       '.backgroundColor', element_id)

    def caption_colour(self, option_id):
        return self.js('return getComputedStyle(document.getElementById(arguments[0]).labels[0])'
                       '.color', option_id)

    def accessible(self, element_id):
        """Chromium's accessible name and description of the element."""
        root = self.cdp('DOM.getDocument', depth=0)['root']['nodeId']
        node = self.cdp('DOM.querySelector', nodeId=root, selector='#' + element_id)['nodeId']
        ax = self.cdp('Accessibility.getPartialAXTree', nodeId=node,
                      fetchRelatives=False)['nodes'][0]
        return (ax.get('name', {}).get('value', ''), ax.get('description', {}).get('value', ''))

    def console_errors(self):
        return [entry for entry in self.driver.get_log('browser') if entry['level'] == 'SEVERE']

    def screenshot(self, name):
        directory = os.environ.get('FREEFALL_SHOTS')
        if directory:
            os.makedirs(directory, exist_ok=True)
            self.driver.save_screenshot(os.path.join(directory, name))


RED = 'rgb(255, 0, 0)'
YELLOW = 'rgb(255, 255, 0)'
WHITE = 'rgb(255, 255, 255)'
