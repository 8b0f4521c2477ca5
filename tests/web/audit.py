"""The accessibility audit: axe-core, the rule engine that browsers' own audits use, installed
from npm into the build tree and handed to the page through the driver's own script evaluation
(the page's policy refuses scripts from anywhere else). Audit the page in whatever state a test
has brought it to: after a run, with a dialog or a menu open."""

import os
import pathlib

from page_driver import BUILD

AXE = pathlib.Path(os.environ.get(
    "LUMORIX_AXE", BUILD / "tests/web/audit/node_modules/axe-core/axe.min.js"))

RUN = """
    return axe.run(document).then((result) => result.violations.map((rule) =>
        `${rule.id} (${rule.impact}): ${rule.help}: `
        + rule.nodes.map((node) => node.target.join(" ")).join(", ")));
"""


def violations(browser):
    """Every rule the page breaks as it is now, of any impact, with the elements that break it."""
    if not browser.run("return Boolean(window.axe);"):
        browser.run(AXE.read_text() + "\nwindow.axe = axe;")
    return browser.run(RUN)
