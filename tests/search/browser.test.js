// The generated search forms in a real browser: headless Chromium opens them
// from disk (file://, as a user opening them locally would) and from a web
// server on 127.0.0.1, types queries and reads the listed hits, their links
// and umlauts. A screenshot is kept in the build folder.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { DB, OUT, VORLAGE } = require('./support.js');
const { launch, serve, fileUrl } = require('./browser.js');

const HOST = 'http://www.beispiel.test/';
const WAIT = { timeout: 15000 };

let browser;
let server;

before(async () => {
  browser = await launch(OUT);
  server = await serve(DB);
});

after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

// A search form opened in a fresh tab; script errors are collected.
async function open(url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(url);
  const frames = {
    page,
    errors,
    input: page.frame({ name: 'eingabe' }) || page.mainFrame(),
    hits: () => page.frame({ name: 'ergebnis' }),
  };
  await frames.input.waitForFunction(() => /Stand der Suchdatenbank: /.test(document.getElementById('stand').textContent),
    null, WAIT);
  return frames;
}

// What the hit frame shows once its message matches.
async function shown(form, message) {
  const frame = form.hits();
  await frame.waitForFunction((source) => {
    const p = document.querySelector('p.meldung');
    return p !== null && new RegExp(source).test(p.textContent);
  }, message.source, WAIT);
  return frame.evaluate(() => ({
    meldung: document.querySelector('p.meldung').textContent,
    hinweis: Array.from(document.querySelectorAll('p.hinweis'), (p) => p.textContent),
    treffer: Array.from(document.querySelectorAll('ol.treffer li'), (li) => ({
      text: li.querySelector('div.beschreibung').innerText,
      href: li.querySelector('a.link') ? li.querySelector('a.link').href : null,
      link: li.querySelector('.link').textContent,
    })),
  }));
}

async function type(form, text) {
  await form.input.fill('#suchfeld', '');
  await form.input.type('#suchfeld', text, { delay: 10 });
}

// Corvanta's links are the pages' URLs; Pellinova's lead from the target
// folder to the pages on disk.
function addresses(result) {
  return result.treffer.map((t) => t.link.replace(/^(http:\/\/www\.beispiel\.test\/|\.\.\/[^/]+\.site\/)/, ''));
}

describe('single-page form (Search_Standard)', () => {
  it('searches while the visitor types, from disk', async () => {
    const form = await open(fileUrl(path.join(DB, 'plain', 'suche.htm')));
    assert.equal(await form.input.textContent('#stand'), 'Stand der Suchdatenbank: 1/1/2024, 12:00:00 PM (8 Seiten)');
    await shown(form, /Geben Sie oben einen oder mehrere Suchbegriffe ein/);

    await type(form, 'müller');
    const result = await shown(form, /2 Seiten gefunden für „müller“:/);
    assert.deepEqual(addresses(result), ['verein/Über uns.htm', 'markt.htm']);
    assert.equal(result.treffer[0].text, 'Über uns: Heimatverein Müller-Lüdenscheidt\nDer Heimatverein stellt sich vor.');
    assert.equal(result.treffer[0].href, HOST + 'verein/%C3%9Cber%20uns.htm');
    assert.equal(result.treffer[1].text, 'Wochenmarkt\nObst und Gemüse vom Wochenmarkt auf dem Marktplatz.');
    fs.mkdirSync(OUT, { recursive: true });
    await form.page.screenshot({ path: path.join(OUT, 'search-browser.png') });

    // The words being typed match as prefixes, so the list follows each key.
    await type(form, 'Stadtbib');
    assert.deepEqual(addresses(await shown(form, /2 Seiten gefunden für „stadtbib“/)), ['bibliothek.htm', 'rathaus.htm']);

    await type(form, 'xylophon');
    await shown(form, /^Zu „xylophon“ wurde keine Seite gefunden\.$/);
    await type(form, 'der Fahrplan');
    const bahn = await shown(form, /Eine Seite gefunden für „fahrplan“:/);
    assert.equal(bahn.treffer[0].text, 'Keine Beschreibung vorhanden für Web-Seite http://www.beispiel.test/bahnlinie.htm');
    assert.deepEqual(bahn.hinweis, ['Nicht berücksichtigt, weil in keiner Seite enthalten: „der“']);
    await form.input.fill('#suchfeld', '');
    await form.input.press('#suchfeld', 'Enter');
    await shown(form, /^Bitte geben Sie einen Suchbegriff ein\.$/);
    assert.deepEqual(form.errors, []);
    await form.page.close();
  });

  it('returns from the help to the hits, over HTTP', async () => {
    const form = await open(`${server.url}/optimiert/suche.htm`);
    await form.input.click('text=Hilfe');
    await form.hits().waitForSelector('text=So suchen Sie', WAIT);
    await type(form, 'Rathaus Öffnungszeiten');
    await form.input.press('#suchfeld', 'Enter');
    const result = await shown(form, /Eine Seite gefunden für „rathaus öffnungszeiten“:/);
    assert.deepEqual(addresses(result), ['rathaus.htm']);
    assert.equal(result.treffer[0].text, 'Rathaus\nÖffnungszeiten und Ämter im Rathaus.');
    assert.deepEqual(form.errors, []);
    await form.page.close();
  });

  it('takes the words from the address, as the small search box sends them', async () => {
    // A form in code page 1252 sends "ü" as %FC.
    const form = await open(`${server.url}/plain/suche.htm?q=M%FCller+Wochenmarkt`);
    const result = await shown(form, /Eine Seite gefunden für „müller wochenmarkt“:/);
    assert.deepEqual(addresses(result), ['markt.htm']);
    assert.equal(await form.input.inputValue('#suchfeld'), 'Müller Wochenmarkt');
    await form.page.close();
  });

  it('shows what hostile pages hold as text and runs none of it', async () => {
    const form = await open(fileUrl(path.join(DB, 'feindlich', 'suche.htm')));
    await type(form, 'markup');
    const result = await shown(form, /Eine Seite gefunden für „markup“:/);
    assert.match(result.treffer[0].text, /<img src=x onerror=window\.verletzt=1/);
    await type(form, 'kursiv');
    await shown(form, /gefunden für „kursiv“/);
    await type(form, 'constructor');
    assert.deepEqual(addresses(await shown(form, /gefunden für „constructor“/)), ['schluessel.htm']);
    for (const frame of form.page.frames()) assert.equal(await frame.evaluate(() => window.verletzt), undefined);
    assert.deepEqual(form.errors, []);
    await form.page.close();
  });
});

describe('a form without its database', () => {
  // A copy of a generated form, less some of its files.
  function without(variant, missing) {
    const dir = path.join(OUT, 'ohne-' + missing.join('-').replace(/\W/g, '_'));
    fs.rmSync(dir, { recursive: true, force: true });
    fs.mkdirSync(dir, { recursive: true });
    for (const file of fs.readdirSync(path.join(DB, variant))) {
      if (!missing.includes(file)) fs.copyFileSync(path.join(DB, variant, file), path.join(dir, file));
    }
    return dir;
  }

  async function status(url, text) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForFunction((t) => document.getElementById('stand').textContent === t, text, WAIT);
    await page.frame({ name: 'ergebnis' }).waitForSelector(`p.fehler >> text=${text}`, WAIT);
    return page;
  }

  it('tells the visitor when the database is missing or was never generated', async () => {
    // The template itself: its database holds the marker lines only.
    await (await status(fileUrl(path.join(VORLAGE, 'Search_Standard', 'suche.htm')),
      'Die Suchdatenbank ist noch nicht erzeugt worden.')).close();
    const dir = without('plain', ['suche.js']);
    await (await status(fileUrl(path.join(dir, 'suche.htm')),
      'Die Suchdatenbank „suche.js“ konnte nicht geladen werden.')).close();
  });

  it('names a letter file that cannot be loaded', async () => {
    const dir = without('buchstaben', ['suche_b.js']);
    const form = await open(fileUrl(path.join(dir, 'suche.htm')));
    await type(form, 'bahnhof');
    await form.hits().waitForSelector('p.fehler >> text=Der Teil „suche_b.js“ der Suchdatenbank konnte nicht geladen werden.',
      WAIT);
    // Other letters still work.
    await type(form, 'rathaus');
    assert.deepEqual(addresses(await shown(form, /Eine Seite gefunden für „rathaus“:/)), ['rathaus.htm']);
    await form.page.close();
  });
});

describe('form with frames (Search_StandardFrame), with glossary', () => {
  for (const [where, url] of [['from disk', () => fileUrl(path.join(DB, 'glossar', 'suche.htm'))],
    ['over HTTP', () => `${server.url}/glossar_optimiert/suche.htm`]]) {
    it(`searches in one frame and lists in the other, ${where}`, async () => {
      const form = await open(url());
      assert.notEqual(form.input, form.page.mainFrame());
      await type(form, 'stadt');
      const result = await shown(form, /4 Seiten gefunden für „stadt“:/);
      assert.deepEqual(addresses(result), ['bahnhof.htm', 'verein/Über uns.htm', 'bibliothek.htm', 'rathaus.htm']);
      assert.equal(result.treffer[2].text,
        'Stadtbibliothek\nBücher, Zeitschriften und Öffnungszeiten der Stadtbibliothek.');
      await form.input.click('text=Hilfe');
      await form.hits().waitForSelector('text=So suchen Sie', WAIT);
      await type(form, 'ämter');
      assert.deepEqual(addresses(await shown(form, /Eine Seite gefunden für „ämter“:/)), ['rathaus.htm']);
      assert.deepEqual(form.errors, []);
      await form.page.close();
    });
  }
});

describe('form with letter files (Search_StandardMega)', () => {
  it('loads only the letter files a query needs', async () => {
    const start = server.log.length;
    const form = await open(`${server.url}/buchstaben/suche.htm`);
    await type(form, 'bahn');
    assert.deepEqual(addresses(await shown(form, /2 Seiten gefunden für „bahn“:/)), ['bahnhof.htm', 'bahnlinie.htm']);
    await type(form, 'ämter öffnungszeiten');
    assert.deepEqual(addresses(await shown(form, /Eine Seite gefunden für „ämter öffnungszeiten“:/)), ['rathaus.htm']);
    const letters = server.log.slice(start).map((r) => r.path).filter((p) => /suche_/.test(p));
    assert.deepEqual(letters, ['/buchstaben/suche_b.js', '/buchstaben/suche_other.js']);
    assert.deepEqual(form.errors, []);
    await form.page.close();
  });

  it('works from disk as well', async () => {
    const form = await open(fileUrl(path.join(DB, 'buchstaben', 'suche.htm')));
    await type(form, 'Müller');
    assert.deepEqual(addresses(await shown(form, /2 Seiten gefunden für „müller“:/)), ['verein/Über uns.htm', 'markt.htm']);
    assert.deepEqual(form.errors, []);
    // The relative link leads to the page on disk, umlaut and blank included.
    await Promise.all([form.page.waitForNavigation(WAIT), form.hits().click('a.link >> nth=0')]);
    assert.equal(form.page.url(), fileUrl(path.join(DB, 'buchstaben.site', 'verein', 'Über uns.htm')));
    assert.equal(await form.page.title(), 'Über uns: Heimatverein Müller-Lüdenscheidt');
    await form.page.close();
  });
});

describe('a site written in UTF-8', () => {
  it('finds its umlaut words and shows its titles as written', async () => {
    const form = await open(fileUrl(path.join(DB, 'utf8', 'suche.htm')));
    await type(form, 'übersetzt');
    const result = await shown(form, /2 Seiten gefunden für „übersetzt“:/);
    assert.deepEqual(addresses(result).sort(), ['handbuch/pakete.htm', 'handbuch/uebersetzung.htm']);
    const texts = result.treffer.map((t) => t.text).sort();
    assert.deepEqual(texts, ['Pakete und Abhängigkeiten\nWas ein Paket über andere weiß.',
      'Übersetzungen\nWie die Seiten übersetzt werden.']);
    await type(form, 'erklärt Grundlagen');
    assert.deepEqual(addresses(await shown(form, /Eine Seite gefunden für „erklärt grundlagen“:/)), ['handbuch/start.htm']);
    assert.deepEqual(form.errors, []);
    await form.page.close();
  });
});
