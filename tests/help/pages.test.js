// The installed help pages in headless Chromium: the frame page shows the
// page and anchor a DDE browser is handed, the umlauts written as entities
// come out right, and no page raises a script error. Screenshots of a few
// pages stay in the build folder.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const { launch, fileUrl } = require('../search/browser.js');

const INSTALL = process.env.HELP_INSTALL;
const OUT = process.env.HELP_OUT;
const WAIT = { timeout: 15000 };

let browser;

before(async () => {
  browser = await launch(OUT);
});

after(async () => {
  if (browser) await browser.close();
});

// The frame named name once its address matches; pages from disk cannot see
// into each other's frames, so the browser's view of them is asked.
async function frameAt(page, name, address) {
  for (const end = Date.now() + WAIT.timeout; Date.now() < end; await page.waitForTimeout(100)) {
    const frame = page.frame({ name });
    if (frame && address.test(frame.url())) {
      await frame.waitForLoadState('load');
      return frame;
    }
  }
  assert.fail(`frame ${name} never showed ${address}: ${page.frame({ name })?.url()}`);
}

async function open(url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(url);
  return { page, errors };
}

describe('help pages', () => {
  it('the frame page shows the page and anchor it is handed', async () => {
    const help = path.join(INSTALL, 'Corvanta', 'hilfe');
    // As the program wraps a page: ":" written as "=", "#" as "!".
    const handed = fileUrl(path.join(help, 'meldungen.htm')).replace(/:/g, '=') + '!beenden';
    const { page, errors } = await open(fileUrl(path.join(help, '_top.htm')) + '?' + handed);
    const content = await frameAt(page, 'inhalt', /meldungen\.htm#beenden$/);
    assert.match(await content.locator('#beenden').innerText(), /wirklich verlassen\?/);
    assert.match(await page.frame({ name: 'kopf' }).innerText('body'), /Quarvelin\u2122 Corvanta \u2013 Hilfe/);
    await page.screenshot({ path: path.join(OUT, 'help-corvanta-meldungen.png') });
    assert.deepEqual(errors, []);
    await page.close();
  });

  it('a foreign address leaves the table of contents', async () => {
    const help = path.join(INSTALL, 'Pellinova', 'hilfe');
    const { page, errors } = await open(fileUrl(path.join(help, '_top.htm')) + '?javascript=alert(1)');
    await frameAt(page, 'inhalt', /\/index\.htm$/);
    await page.waitForTimeout(300);
    assert.match(page.frame({ name: 'inhalt' }).url(), /\/index\.htm$/);
    assert.deepEqual(errors, []);
    await page.close();
  });

  const shots = [
    ['Pellinova', 'index.htm', /Pellinova gibt Ihrer Web-Site eine Suchmaschine/, 'help-pellinova-index.png'],
    ['Tessarel', 'assistent.htm', /Dokumentenverzeichnis/, 'help-tessarel-assistent.png'],
    ['Corvanta', 'projekteinstellungen.htm', /Projekt-Einstellungen/, 'help-corvanta-projekteinstellungen.png'],
  ];
  for (const [program, file, text, shot] of shots) {
    it(`${program} ${file}`, async () => {
      const { page, errors } = await open(fileUrl(path.join(INSTALL, program, 'hilfe', file)));
      const body = await page.innerText('body');
      assert.match(body, text);
      assert.doesNotMatch(body, /&[a-z]+;|@[A-Z]+@|\uFFFD/);
      await page.screenshot({ path: path.join(OUT, shot), fullPage: true });
      assert.deepEqual(errors, []);
      await page.close();
    });
  }
});
