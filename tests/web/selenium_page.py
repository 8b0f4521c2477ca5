"""The page in a browser driven over WebDriver through python3-selenium: Chromium and WebKit."""

from selenium.webdriver.common.action_chains import ActionChains

from page_driver import PageDriver, webdriver_key


class SeleniumPage(PageDriver):
    """The shared primitives; a subclass starts self.driver."""

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def navigate(self, url):
        self.driver.get(url)

    def click(self, element_id):
        self.driver.find_element("id", element_id).click()

    def press(self, key, ctrl=False):
        actions = ActionChains(self.driver)
        if ctrl:
            actions.key_down(webdriver_key("Control"))
        actions.key_down(webdriver_key(key)).key_up(webdriver_key(key))
        if ctrl:
            actions.key_up(webdriver_key("Control"))
        actions.perform()

    def screenshot(self, path):
        self.driver.get_screenshot_as_file(str(path))
