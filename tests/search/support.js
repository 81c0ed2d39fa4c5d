// Shared by the Node tests of the search form: where the generated databases
// and the shipped templates lie, code page 1252, and loading a database the
// way the browser does (its script run in a context of its own).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const DB = path.resolve(process.env.SEARCH_DB || path.join(__dirname, 'db'));
const VORLAGE = path.resolve(process.env.SEARCH_VORLAGE || path.join(__dirname, '..', '..', 'build', 'install', 'Pellinova', 'vorlage'));
const OUT = path.resolve(process.env.SEARCH_OUT || path.join(__dirname, 'out'));

// Bytes 0x80 to 0x9F of code page 1252; the rest is Latin-1. (Node's own
// "latin1" decoder is ISO 8859-1 and would turn "€" into a control character.)
const HIGH = [0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
  0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A,
  0x0153, 0x9D, 0x017E, 0x0178];

function cp1252(bytes) {
  let text = '';
  for (const b of bytes) text += String.fromCharCode(b >= 0x80 && b <= 0x9F ? HIGH[b - 0x80] : b);
  return text;
}

function readCp1252(file) {
  return cp1252(fs.readFileSync(file));
}

// The search engine as the templates ship it.
const Q = require(path.join(VORLAGE, 'Search_Standard', 'suchmaschine.js'));

// The variables a generated suche.js leaves behind.
function runDatabase(folder) {
  const context = {};
  vm.runInNewContext(readCp1252(path.join(folder, 'suche.js')), context, { filename: 'suche.js' });
  return context;
}

function loadDatabase(folder) {
  const db = Q.ladeDatenbank(runDatabase(folder));
  // The letter files the browser would load on demand: all of them at once.
  if (db.mega) {
    for (const name of [...'abcdefghijklmnopqrstuvwxyz', 'number', 'other']) {
      const context = { megaBegriff: [] };
      vm.runInNewContext(readCp1252(path.join(folder, Q.teilDatei(db, name))), context);
      Q.ladeTeil(db, name, context.megaBegriff);
    }
  }
  return db;
}

// The output folders of search_dbgen (each a complete search form).
function variants() {
  return fs.readdirSync(DB, { withFileTypes: true })
    .filter((e) => e.isDirectory() && !e.name.endsWith('.vorlage') && fs.existsSync(path.join(DB, e.name, 'suche.js')))
    .map((e) => e.name).sort();
}

module.exports = { DB, VORLAGE, OUT, Q, cp1252, readCp1252, runDatabase, loadDatabase, variants };
