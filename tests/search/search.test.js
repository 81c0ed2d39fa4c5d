// The search logic of the shipped templates, run under Node.js against the
// databases that the programs' own writer generated (search_dbgen), and the
// shipped template files themselves.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const { execFile, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { DB, VORLAGE, Q, cp1252, readCp1252, runDatabase, loadDatabase, variants } = require('./support.js');

const HOST = 'http://www.beispiel.test/';
const TEMPLATES = ['Search_Standard', 'Search_StandardFrame', 'Search_StandardMega'];

// The test site in every form the writers produce: the same hits in the same
// order whatever the form.
const SITE_VARIANTS = ['plain', 'optimiert', 'glossar', 'glossar_optimiert', 'buchstaben'];

// Query -> the pages found, best first (their addresses after the host).
const QUERIES = [
  ['rathaus', ['rathaus.htm']],
  ['RATHAUS', ['rathaus.htm']],
  // Equal keyword, no title holds it: database order.
  ['Öffnungszeiten', ['rathaus.htm', 'bibliothek.htm', 'schwimmbad.htm']],
  // The page with the word itself before the one with a longer word.
  ['bahn', ['bahnhof.htm', 'bahnlinie.htm']],
  // Both hold it; the one with it in the title first.
  ['stadtbibliothek', ['bibliothek.htm', 'rathaus.htm']],
  ['stadt', ['bahnhof.htm', 'verein/Über uns.htm', 'bibliothek.htm', 'rathaus.htm']],
  ['müller', ['verein/Über uns.htm', 'markt.htm']],
  ['mü', ['verein/Über uns.htm', 'markt.htm']],
  ['ämter', ['rathaus.htm']],
  ['straße', ['bahnlinie.htm']],
  // Several words narrow the result.
  ['rathaus öffnungszeiten', ['rathaus.htm']],
  ['Öffnungszeiten, Hallenbad!', ['schwimmbad.htm']],
];

// Corvanta's links are the pages' URLs; Pellinova's lead from the target
// folder to the pages on disk.
const LINK_BASE = /^(http:\/\/www\.beispiel\.test\/|\.\.\/[^/]+\.site\/)/;

function addresses(result) {
  return result.treffer.map((t) => t.seite.replace(LINK_BASE, ''));
}

describe('generated databases', () => {
  it('every database and letter file parses as JavaScript (node --check)', async () => {
    const files = [];
    for (const variant of variants()) {
      for (const file of fs.readdirSync(path.join(DB, variant)).filter((f) => /^suche(_.*)?\.js$/.test(f))) {
        files.push(path.join(variant, file));
      }
    }
    assert.ok(files.includes(path.join('feindlich', 'suche.js')), files);
    assert.ok(files.includes(path.join('feindlich_buchstaben', 'suche_other.js')), files);
    // A process per file, a few at a time.
    const failed = [];
    for (let i = 0; i < files.length; i += 8) {
      await Promise.all(files.slice(i, i + 8).map((file) => new Promise((done) => {
        execFile(process.execPath, ['--check', path.join(DB, file)], (error, stdout, stderr) => {
          if (error) failed.push(file + ': ' + stderr);
          done();
        });
      })));
    }
    assert.deepEqual(failed, []);
  });

  it('a link holding a backslash leaves the database valid JavaScript', () => {
    execFileSync(process.execPath, ['--check', path.join(DB, 'feindlich_link', 'suche.js')], { stdio: 'pipe' });
  });

  for (const variant of SITE_VARIANTS) {
    describe(variant, () => {
      const db = loadDatabase(path.join(DB, variant));

      it('loads with its date and pages', () => {
        assert.equal(db.fehler, null);
        assert.equal(db.anzahl, 8);  // the page of stop words only was dropped
        assert.equal(db.glossar, variant.startsWith('glossar'));
        assert.equal(db.mega, variant === 'buchstaben');
        const line = /var stand = "([^"]*)"/.exec(readCp1252(path.join(DB, variant, 'suche.js')));
        assert.equal(db.stand, line[1]);
        assert.match(db.stand, /2024/);
      });

      for (const [query, expected] of QUERIES) {
        it(`finds ${JSON.stringify(query)}`, () => {
          const result = Q.suche(db, query);
          assert.equal(result.art, 'treffer');
          assert.deepEqual(addresses(result), expected);
          assert.equal(result.gesamt, expected.length);
          assert.deepEqual(result.ignoriert, []);
        });
      }

      it('ignores a word that no page holds, and says so', () => {
        const result = Q.suche(db, 'der Bahnhof');
        assert.deepEqual(addresses(result), ['bahnhof.htm']);
        assert.deepEqual(result.ignoriert, ['der']);
        assert.match(Q.ergebnisHtml(result), /Nicht berücksichtigt, weil in keiner Seite enthalten: „der“/);
      });

      it('tells the visitor about an empty or unmatched query', () => {
        assert.equal(Q.suche(db, '').art, 'leer');
        assert.equal(Q.suche(db, '  ,; ').art, 'leer');
        assert.match(Q.ergebnisHtml(Q.suche(db, '')), /Bitte geben Sie einen Suchbegriff ein\./);
        const none = Q.suche(db, 'Xylophon');
        assert.equal(none.art, 'keine');
        assert.match(Q.ergebnisHtml(none), /Zu „xylophon“ wurde keine Seite gefunden\./);
        // Both words exist, but on no page together.
        const apart = Q.suche(db, 'bahnhof rathaus');
        assert.equal(apart.art, 'keine');
        assert.deepEqual(apart.ignoriert, []);
      });

      it('shows descriptions and links with their umlauts', () => {
        const base = variant === 'buchstaben' ? '../buchstaben.site/' : HOST;
        const result = Q.suche(db, 'heimatverein');
        const hit = result.treffer[0];
        assert.equal(hit.seite, base + 'verein/Über uns.htm');
        assert.equal(Q.klartext(Q.sichereBeschreibung(hit.beschreibung)),
          'Über uns: Heimatverein Müller-Lüdenscheidt Der Heimatverein stellt sich vor.');
        const html = Q.ergebnisHtml(result);
        assert.match(html, /^<p class="meldung">Eine Seite gefunden für „heimatverein“:<\/p>/);
        assert.match(html, /<div class="beschreibung"><b>&#220;ber uns: Heimatverein M&#252;ller-L&#252;denscheidt<\/b><br>/);
        assert.ok(html.includes(`<a class="link" href="${base}verein/%C3%9Cber%20uns.htm" target="_top">`), html);
        // A page without title and description names its address.
        assert.match(Q.ergebnisHtml(Q.suche(db, 'fahrplan')), /Keine Beschreibung vorhanden für (Web-Seite|Datei) <b>/);
      });
    });
  }

  it('the glossary decodes to the same keywords as the plain database', () => {
    const plain = loadDatabase(path.join(DB, 'plain')).teile.alle;
    for (const variant of ['glossar', 'glossar_optimiert']) {
      const glossary = loadDatabase(path.join(DB, variant)).teile.alle;
      assert.deepEqual(glossary, plain, variant);
    }
  });

  for (const variant of ['feindlich', 'feindlich_optimiert', 'feindlich_buchstaben']) {
    it(`hostile pages stay text (${variant})`, () => {
      const db = loadDatabase(path.join(DB, variant));
      assert.equal(db.fehler, null);
      const html = Q.ergebnisHtml(Q.suche(db, 'markup'));
      assert.doesNotMatch(html, /<img|<script|<a [^>]*javascript:/i);
      assert.match(html, /(&lt;|&#60;)img src=x onerror=window\.verletzt=1/);
      // Markup left open in a description is closed within its hit.
      const open = Q.ergebnisHtml(Q.suche(db, 'kursiv'));
      assert.equal((open.match(/<b>/g) || []).length, (open.match(/<\/b>/g) || []).length);
      assert.equal((open.match(/<i>/g) || []).length, (open.match(/<\/i>/g) || []).length);
      // Names that plain objects carry find their page like any word.
      for (const word of ['constructor', '__proto__', 'toString', 'hasOwnProperty', 'prototype']) {
        assert.deepEqual(addresses(Q.suche(db, word)), ['schluessel.htm'], word);
      }
      assert.deepEqual(addresses(Q.suche(db, 'äpfel und birnen')), ['schluessel.htm']);
      assert.deepEqual(addresses(Q.suche(db, 'ärger 1999er #hashtag')), ['zeichen.htm']);
    });
  }
});

describe('search logic', () => {
  // A database as suche.js leaves it, built here.
  function database(pages, extra) {
    const items = pages.map(([begriff, beschreibung], i) => ({ begriff, seite: `s${i}.htm`, beschreibung: beschreibung || '' }));
    return Q.ladeDatenbank(Object.assign({ index_max: pages.length - 1, eintrag: { item: items }, stand: 'heute' }, extra));
  }

  it('splits the input into words as the writer does', () => {
    assert.deepEqual(Q.woerter('  Müller-Lüdenscheidt, „Straße“ und/oder e-mail. -haus_ $100 #tag a.b'),
      ['müller-lüdenscheidt', 'straße', 'und/oder', 'e-mail', 'haus', '$100', '#tag', 'a', 'b']);
    assert.deepEqual(Q.woerter('Haus haus HAUS'), ['haus']);
  });

  it('puts each word into the letter file the writer puts it in', () => {
    assert.deepEqual(['Haus', 'hund', 'Zebra', '1999', 'ärger', 'Öl', '_x', '#tag', 'ß'].map(Q.buchstabe),
      ['h', 'h', 'z', 'number', 'other', 'other', 'other', 'other', 'other']);
  });

  it('reads the comma text of a letter file', () => {
    assert.deepEqual(Q.kommaText('haus,hund,'), ['haus', 'hund']);
    assert.deepEqual(Q.kommaText('"rotes haus","a""b",c,'), ['rotes haus', 'a"b', 'c']);
    assert.deepEqual(Q.kommaText(',""'), []);
  });

  it('ranks the word itself above longer words, closer lengths first', () => {
    const db = database([['Hausmeisterin'], ['Hausmeister'], ['Haus'], ['Haushalt']]);
    assert.deepEqual(Q.suche(db, 'haus').treffer.map((t) => t.nr), [2, 3, 1, 0]);
  });

  it('lists at most a hundred hits and says how many there were', () => {
    const db = database(Array.from({ length: 150 }, (_, i) => ['Wort' + i]));
    const result = Q.suche(db, 'wort');
    assert.equal(result.gesamt, 150);
    assert.equal(result.treffer.length, Q.MAX_TREFFER);
    assert.match(Q.ergebnisHtml(result), /^<p class="meldung">150 Seiten gefunden für „wort“:<\/p>/);
    assert.match(Q.ergebnisHtml(result), /Die ersten 100 von 150 Treffern\./);
  });

  it('reports a database that was never generated', () => {
    // The template's own suche.js: the markers without anything after them.
    const db = Q.ladeDatenbank(runDatabase(path.join(VORLAGE, 'Search_Standard')));
    assert.equal(db.fehler, 'Die Suchdatenbank ist noch nicht erzeugt worden.');
    assert.equal(Q.suche(db, 'haus').art, 'fehler');
    const empty = database([]);
    assert.equal(empty.fehler, null);
    assert.equal(Q.suche(empty, 'haus').art, 'keine');
  });

  it('uses the keywords of the main file when a letter template got no letter files', () => {
    const db = database([['Haus']], { megaModus: true, megaDatei: 'suche_%s.js' });
    assert.equal(db.mega, false);
    assert.deepEqual(Q.suche(db, 'haus').treffer.map((t) => t.nr), [0]);
    const mega = database([['']], { megaModus: true, megaDatei: 'suche_%s.js' });
    assert.equal(mega.mega, true);
    assert.deepEqual(Q.fehlendeTeile(mega, 'Haus hund Ärger 12'), ['h', 'other', 'number']);
    assert.equal(Q.teilDatei(mega, 'h'), 'suche_h.js');
  });

  it('keeps only bold, italics, line breaks and valid entities of a description', () => {
    assert.equal(Q.sichereBeschreibung('<b>T&uuml;r</b><BR>x &amp; y &bogus; & <script>a()</script>'),
      '<b>T&#252;r</b><br>x &#38; y &amp;bogus; &amp; &lt;script&gt;a()&lt;/script&gt;');
    assert.equal(Q.sichereBeschreibung('</b><i>offen <b>fett'), '<i>offen <b>fett</b></i>');
    assert.equal(Q.sichereBeschreibung('"a" &#0; &#x41;'), '&quot;a&quot; &amp;#0; &#65;');
  });

  it('links only addresses, encoded once', () => {
    assert.equal(Q.sichererLink('javascript:alert(1)'), null);
    assert.equal(Q.sichererLink(' JavaScript:alert(1)'), null);
    assert.equal(Q.sichererLink('data:text/html,x'), null);
    assert.equal(Q.sichererLink('java\tscript:alert(1)'), 'java%09script:alert(1)');
    assert.equal(Q.sichererLink('../a b/Über.htm'), '../a%20b/%C3%9Cber.htm');
    assert.equal(Q.sichererLink('http://h/a%20b.htm?x=1&y="2"'), 'http://h/a%20b.htm?x=1&y=%222%22');
    assert.equal(Q.sichererLink('http://h/100%.htm'), 'http://h/100%25.htm');
    assert.equal(Q.sichererLink('file:///C|/web/a.htm'), 'file:///C|/web/a.htm');
    assert.equal(Q.sichererLink(''), null);
  });

  it('reads a query from the address in code page 1252', () => {
    assert.equal(Q.parameter('?q=M%FCller+%80+%84x%93', 'q'), 'Müller € „x“');
    assert.equal(Q.parameter('?a=1&q=haus&q=zwei', 'q'), 'haus');
    assert.equal(Q.parameter('?a=1', 'q'), null);
    assert.equal(Q.parameter('', 'q'), null);
  });

  it('shows the date and size of the database', () => {
    assert.equal(Q.standText(database([['a'], ['b']])), 'Stand der Suchdatenbank: heute (2 Seiten)');
    assert.equal(Q.standText(database([['a']])), 'Stand der Suchdatenbank: heute (eine Seite)');
    assert.equal(Q.zahl(1234567), '1.234.567');
  });
});

describe('shipped templates', () => {
  const engine = fs.readFileSync(path.join(VORLAGE, 'Search_Standard', 'suchmaschine.js'));

  for (const name of TEMPLATES) {
    describe(name, () => {
      const dir = path.join(VORLAGE, name);
      const ini = readCp1252(path.join(dir, 'Pellinova.ini'));
      const value = (section, key) => {
        let current = null;
        for (const line of ini.split('\r\n')) {
          const head = /^\[(.*)\]$/.exec(line);
          if (head) current = head[1];
          else if (current === section && line.startsWith(key + '=')) return line.substring(key.length + 1);
        }
        return null;
      };

      it('has a descriptor that describes it and names files it has', () => {
        assert.ok(value('vorlage', 'Beschreibung').length > 40);
        assert.equal(value('vorlage', 'Autor'), 'Quarvelin');
        assert.ok(value('vorlage', 'Version'));
        for (const key of ['SearchBase', 'Stopword', 'Search', 'SearchInput', 'SearchHelp', 'SearchLoad']) {
          assert.ok(fs.existsSync(path.join(dir, value('Options', key))), key);
        }
        assert.equal(value('Options', 'Mega'), name === 'Search_StandardMega' ? '1' : '0');
        if (name === 'Search_StandardMega') {
          assert.equal(value('Options', 'MegaSearchBase'), 'suche_%s.js');
          assert.match(readCp1252(path.join(dir, 'suche.js')), /^var megaDatei = "suche_%s\.js";\r$/m);
          assert.equal(value('MegaStrings', 'EntryKeywords'), 'megaBegriff[%s] = "');
        }
        assert.ok(fs.existsSync(path.join(VORLAGE, 'vorschau', name, 'p_index.htm')));
      });

      it('has the three marker lines in the order the writer needs', () => {
        const lines = readCp1252(path.join(dir, 'suche.js')).split('\r\n');
        const at = ['// Pellinova: Konstanten', '// Pellinova: Glossar', '// Pellinova: Array'].map((m) => lines.indexOf(m));
        assert.ok(at[0] >= 0 && at[0] < at[1] && at[1] < at[2], at.join());
      });

      it('ships the same search engine and result pages as the others', () => {
        assert.deepEqual(fs.readFileSync(path.join(dir, 'suchmaschine.js')), engine);
        for (const page of ['suchlade.htm', 'suchhilf.htm']) {
          assert.deepEqual(fs.readFileSync(path.join(dir, page)),
            fs.readFileSync(path.join(VORLAGE, 'Search_Standard', page)), page);
        }
      });

      it('declares code page 1252 on every page and refers only to files that reach the target', () => {
        // The programs copy *.htm, *.html, *.gif, *.jpg and *.js; the
        // database and its letter files are written there.
        const copied = (f) => /\.(htm|html|gif|jpg|js)$/.test(f) && fs.existsSync(path.join(dir, f));
        for (const page of fs.readdirSync(dir).filter((f) => f.endsWith('.htm'))) {
          const html = readCp1252(path.join(dir, page)).replace(/<!--[\s\S]*?-->/g, '');
          assert.match(html, /<meta http-equiv="Content-Type" content="text\/html; charset=windows-1252">/, page);
          for (const [, ref] of html.matchAll(/(?:src|href)="([^"#:]+)"|url\(([^)]+)\)/g)) {
            if (ref === undefined) continue;
            assert.ok(copied(ref), `${page}: ${ref}`);
          }
        }
      });

      it('has a German stop-word list: one word a line, CRLF, code page 1252', () => {
        const bytes = fs.readFileSync(path.join(dir, 'stopwort.lst'));
        const text = cp1252(bytes);
        assert.ok(text.endsWith('\r\n'));
        const words = text.slice(0, -2).split('\r\n');
        assert.ok(words.length > 200);
        for (const w of words) assert.match(w, /^[a-zäöüß]+$/, JSON.stringify(w));
        assert.ok(words.includes('für') && words.includes('über') && words.includes('und'));
        assert.equal(new Set(words).size, words.length);
        assert.ok(!bytes.includes(0xC3), 'UTF-8 bytes in a code page 1252 file');
      });
    });
  }

  it('gives Tessarel a page template with its three placeholders and its lists', () => {
    const page = readCp1252(path.join(VORLAGE, 'extract.htm'));
    for (const p of ['<!--Tessarel: Filename-->', '<!--Tessarel: Keywords-->', '<!--Tessarel: Date-->']) {
      assert.ok(page.includes(p), p);
    }
    assert.match(page, /charset=windows-1252/);
    assert.deepEqual(fs.readFileSync(path.join(VORLAGE, 'stopword.lst')),
      fs.readFileSync(path.join(VORLAGE, 'Search_Standard', 'stopwort.lst')));
    const chars = readCp1252(path.join(VORLAGE, 'stopchars.lst'));
    assert.ok(chars.endsWith('\r\n'));
    for (const line of chars.slice(0, -2).split('\r\n')) assert.match(line, /^[^,]+(,\d+)?$/, JSON.stringify(line));
  });
});
