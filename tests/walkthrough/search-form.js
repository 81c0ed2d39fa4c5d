// The search form a walk-through left in its target folder, opened from disk
// in headless Chromium and searched as a visitor would; a picture of the hits
// is kept.
//   node search-form.js <target folder> <picture> <word> <address found>...
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const { launch, fileUrl } = require('../search/browser.js');

const WAIT = { timeout: 15000 };

async function main() {
  const [folder, picture, word, ...expected] = process.argv.slice(2).map((a, i) => (i < 2 ? path.resolve(a) : a));
  const browser = await launch(path.dirname(picture));
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(String(e)));
    await page.goto(fileUrl(path.join(folder, 'suche.htm')));
    const input = page.frame({ name: 'eingabe' }) || page.mainFrame();
    await input.waitForFunction(() => /Stand der Suchdatenbank: /.test(document.getElementById('stand').textContent),
      null, WAIT);
    await input.type('#suchfeld', word, { delay: 10 });
    const hits = page.frame({ name: 'ergebnis' }) || page.mainFrame();
    // The form searches whenever the typing pauses, and a slow machine pauses
    // within the word: the hits read are those of the whole word.
    await hits.waitForFunction((w) => {
      const message = document.querySelector('p.meldung');
      return message !== null && message.textContent.toLowerCase().includes('\u201e' + w.toLowerCase() + '\u201c') &&
        document.querySelectorAll('ol.treffer li').length > 0;
    }, word, WAIT);
    const found = await hits.evaluate(() => Array.from(document.querySelectorAll('ol.treffer li .link'),
      (a) => a.textContent));
    await page.screenshot({ path: picture });
    assert.deepEqual(found.sort(), expected.sort());
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
