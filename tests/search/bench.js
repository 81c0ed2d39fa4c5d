// Benchmark of the visitor's search form (run by hand, not by ctest): a
// synthetic site of 10,000 pages is indexed by the programs' own writers as a
// single database file, with glossary, and with letter files; each form is
// then opened in headless Chromium from a web server on 127.0.0.1. Reported:
// the time until the database is loaded and searchable, the time to answer a
// query (from submitting it to the drawn hit list; median over a set of
// queries), and the bytes the visitor downloads.
//
//   node tests/search/bench.js <build folder> [pages]
//
// The build folder holds tests/search_dbgen.exe and tests/search_dbgen_letters.exe.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');

const build = path.resolve(process.argv[2] || 'build');
const pages = Number(process.argv[3] || 10000);
const root = path.resolve(__dirname, '..', '..');
const out = path.join(build, 'tests', 'search', 'bench');
const { launch, serve } = require('./browser.js');
const { Q, readCp1252, runDatabase } = require('./support.js');

const LOADS = 3;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const mid = sorted.length >> 1;
  return sorted.length % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

function generate() {
  for (const program of ['search_dbgen', 'search_dbgen_letters']) {
    const started = Date.now();
    process.stdout.write(execFileSync(path.join(root, 'scripts', 'wine-run'),
      [path.join(build, 'tests', program + '.exe'), path.join(build, 'install', 'Pellinova', 'vorlage'), out, '--bench', String(pages)]));
    console.log(`  (${program}: ${((Date.now() - started) / 1000).toFixed(1)} s under Wine)`);
  }
}

// Queries from the database itself: frequent, middling and rare words, pairs
// that stand on one page, and three-letter beginnings as a visitor types them.
function queries() {
  const db = Q.ladeDatenbank(runDatabase(path.join(out, 'bench_plain')));
  const { begriffe, seiten } = db.teile.alle;
  const byCount = begriffe.map((b, i) => [b, seiten[i].length]).filter(([b]) => /^[a-z]/.test(b))
    .sort((a, b) => b[1] - a[1] || (a[0] < b[0] ? -1 : 1));
  const pick = (from, to, n) => Array.from({ length: n }, (_, i) => byCount[from + Math.floor((to - from) * i / n)][0]);
  const frequent = pick(0, 20, 5);
  const middling = pick(Math.floor(byCount.length * 0.3), Math.floor(byCount.length * 0.5), 5);
  const rare = pick(byCount.length - 200, byCount.length, 5);
  const pairs = [10, 500, 2000, 5000, 9000].map((nr) => {
    const words = begriffe.filter((b, i) => seiten[i].includes(nr) && /^[a-z]/.test(b));
    return words[0] + ' ' + words[words.length - 1];
  });
  const prefixes = [...frequent.slice(0, 3), ...middling.slice(0, 2)].map((w) => w.substring(0, 3));
  return [...frequent, ...middling, ...rare, ...pairs, ...prefixes];
}

// Opens the form, waits until the database is searchable; the time and the
// bytes the server sent for it.
async function load(browser, server, variant) {
  const page = await browser.newPage();
  const first = server.log.length;
  const started = Date.now();
  await page.goto(`${server.url}/${variant}/suche.htm`);
  await page.waitForFunction(() => /Stand der Suchdatenbank: /.test(document.getElementById('stand').textContent),
    null, { timeout: 120000, polling: 5 });
  const ms = Date.now() - started;
  const bytes = server.log.slice(first).reduce((sum, r) => sum + r.bytes, 0);
  return { page, ms, bytes };
}

// One query: submitted in the input, timed until the hit frame has drawn it
// (both clocks are the browser's own).
async function ask(page, server, text) {
  const hits = page.frame({ name: 'ergebnis' });
  await hits.evaluate(() => {
    window.gezeichnet = 0;
    new MutationObserver(() => { window.gezeichnet = performance.timeOrigin + performance.now(); })
      .observe(document.getElementById('inhalt'), { childList: true, subtree: true });
  });
  const first = server.log.length;
  const sent = await page.evaluate((query) => {
    const field = document.getElementById('suchfeld');
    field.value = query;
    const at = performance.timeOrigin + performance.now();
    document.getElementById('suchformular').dispatchEvent(new Event('submit', { cancelable: true }));
    return at;
  }, text);
  const shown = await hits.waitForFunction((query) => {
    const p = document.querySelector('p.meldung');
    return window.gezeichnet > 0 && p !== null && p.textContent.includes('\u201E' + query.toLowerCase() + '\u201C')
      && window.gezeichnet;
  }, text, { timeout: 60000, polling: 5 });
  return { ms: (await shown.jsonValue()) - sent, bytes: server.log.slice(first).reduce((s, r) => s + r.bytes, 0) };
}

function databaseBytes(variant) {
  const dir = path.join(out, variant);
  const all = fs.readdirSync(dir).filter((f) => /^suche(_.*)?\.js$/.test(f));
  return all.reduce((sum, f) => sum + fs.statSync(path.join(dir, f)).size, 0);
}

async function main() {
  generate();
  const set = queries();
  console.log(`\n${set.length} queries: ${set.join(' | ')}\n`);
  const server = await serve(out);
  const browser = await launch(out);
  const results = {};
  try {
    for (const variant of ['bench_plain', 'bench_glossar', 'bench_buchstaben']) {
      const loads = [];
      let opened = null;
      for (let i = 0; i < LOADS; i++) {
        if (opened) await opened.page.close();
        opened = await load(browser, server, variant);
        loads.push(opened);
      }
      const answers = [];
      for (const text of set) answers.push(await ask(opened.page, server, text));
      await opened.page.close();
      // The letter files a query needs arrive with it: cold, on a fresh page
      // for each query.
      const cold = [];
      if (variant === 'bench_buchstaben') {
        for (const text of set) {
          const fresh = await load(browser, server, variant);
          cold.push(await ask(fresh.page, server, text));
          await fresh.page.close();
        }
      }
      results[variant] = {
        databaseBytes: databaseBytes(variant),
        loadMs: median(loads.map((l) => l.ms)),
        loadBytes: loads[0].bytes,
        queryMs: median(answers.map((a) => a.ms)),
        queryMaxMs: Math.max(...answers.map((a) => a.ms)),
        queryBytes: answers.reduce((s, a) => s + a.bytes, 0),
        coldQueryMs: cold.length ? median(cold.map((a) => a.ms)) : null,
        coldQueryBytes: cold.length ? median(cold.map((a) => a.bytes)) : null,
      };
      console.log(variant, JSON.stringify(results[variant]));
    }
  } finally {
    await browser.close();
    await server.close();
  }
  fs.writeFileSync(path.join(out, 'ergebnis.json'), JSON.stringify({ pages, queries: set, results }, null, 2));
  console.log('\nvariant            database    load (median)  downloaded   query (median/max)  query downloads');
  for (const [variant, r] of Object.entries(results)) {
    const mb = (b) => (b / 1e6).toFixed(2).padStart(6) + ' MB';
    console.log(`${variant.padEnd(17)} ${mb(r.databaseBytes)}  ${String(r.loadMs).padStart(7)} ms   ${mb(r.loadBytes)}` +
      `  ${r.queryMs.toFixed(1).padStart(7)} / ${r.queryMaxMs.toFixed(1).padStart(6)} ms  ${mb(r.queryBytes)}` +
      (r.coldQueryMs === null ? '' : `  (cold: ${r.coldQueryMs.toFixed(1)} ms, ${mb(r.coldQueryBytes)} per query)`));
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
