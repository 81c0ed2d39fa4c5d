// Headless Chromium (Debian's, driven by our DevTools client) and a small
// web server on 127.0.0.1 for the generated search forms: shared by the
// browser tests and the benchmark.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const cdp = require('./cdp.js');

// A browser with a profile of its own, removed again by close().
async function launch(parent) {
  fs.mkdirSync(parent, { recursive: true });
  const profile = fs.mkdtempSync(path.join(parent, 'chromium-profile-'));
  const browser = await cdp.launch({ profile });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

const TYPES = { '.htm': 'text/html', '.html': 'text/html', '.js': 'application/javascript', '.gif': 'image/gif' };

// Serves the files below root, as a plain web server would: the types carry
// no charset, so the pages' own declaration counts. Counts what it sends.
function serve(root) {
  const log = [];
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('nicht gefunden');
      log.push({ path: name, status: 404, bytes: 0 });
      return;
    }
    const body = fs.readFileSync(file);
    response.writeHead(200, {
      'Content-Type': TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream',
      'Content-Length': body.length,
      'Cache-Control': 'no-store',
    });
    response.end(body);
    log.push({ path: name, status: 200, bytes: body.length });
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}`,
        log,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

function fileUrl(file) {
  return 'file://' + file.split(path.sep).map(encodeURIComponent).join('/');
}

module.exports = { launch, serve, fileUrl };
