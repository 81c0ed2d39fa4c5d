// A small client of the Chrome DevTools Protocol for headless Chromium, with
// nothing but Node.js's own modules: the browser is started with
// --remote-debugging-pipe and spoken to as NUL-separated JSON on its file
// descriptors 3 (commands) and 4 (replies and events).
//
//   const { launch } = require('./cdp.js');
//   const browser = await launch({ profile: dir });     // dir: a fresh folder
//   const page = await browser.newPage();
//   page.on('pageerror', (text) => ...);                 // uncaught script errors
//   await page.goto(url);                                // resolves once loaded
//   const frame = page.frame({ name: 'ergebnis' }) || page.mainFrame();
//   await frame.waitForFunction(() => document.title !== '', null, { timeout: 5000 });
//   await frame.fill('#suchfeld', 'Rathaus');            // or type(), press('#suchfeld', 'Enter')
//   await frame.click('text=Hilfe');                     // CSS, "text=words", joined by " >> ", "nth=0"
//   const n = await frame.evaluate((s) => document.querySelectorAll(s).length, 'li');
//   await page.screenshot({ path: 'shot.png' });
//   await browser.close();
//
// Frames are those of the page's own renderer (pages from one origin or from
// disk); evaluate() runs in the frame's own script world.
'use strict';
const { spawn } = require('node:child_process');
const { EventEmitter } = require('node:events');
const fs = require('node:fs');

const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--no-first-run', '--no-default-browser-check', '--disable-quic',
  '--disable-sync', '--hide-scrollbars', '--mute-audio', '--password-store=basic'];
const VIEWPORT = { width: 1000, height: 720 };
const DEFAULT_TIMEOUT = 30000;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Commands over the pipe; replies matched by id, events by session.
class Connection extends EventEmitter {
  constructor(process) {
    super();
    this.process = process;
    this.out = process.stdio[3];
    this.lastId = 0;
    this.pending = new Map();
    this.sessions = new Map();
    let rest = Buffer.alloc(0);
    process.stdio[4].on('data', (chunk) => {
      rest = Buffer.concat([rest, chunk]);
      for (let end; (end = rest.indexOf(0)) >= 0; rest = rest.subarray(end + 1)) {
        this.dispatch(JSON.parse(rest.subarray(0, end).toString('utf8')));
      }
    });
    process.on('exit', () => {
      for (const { reject, method } of this.pending.values()) reject(new Error(`browser gone during ${method}`));
      this.pending.clear();
    });
  }

  dispatch(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      if (!waiting) return;
      this.pending.delete(message.id);
      if (message.error) waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting.resolve(message.result);
      return;
    }
    const target = message.sessionId ? this.sessions.get(message.sessionId) : this;
    if (target) target.emit(message.method, message.params);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = ++this.lastId;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.out.write(JSON.stringify(message) + '\0');
    });
  }
}

// Elements by CSS, by "text=words" (case-insensitive, the smallest element
// holding them) and by "nth=N", chained with " >> ". Runs in the page.
function queryAll(selector) {
  const norm = (s) => s.replace(/\s+/g, ' ').trim().toLowerCase();
  let found = [document];
  for (const part of selector.split(' >> ')) {
    const m = /^(text|nth)=(.*)$/.exec(part.trim());
    if (m && m[1] === 'nth') {
      found = found.slice(Number(m[2]), Number(m[2]) + 1);
      continue;
    }
    const next = [];
    for (const root of found) {
      if (m) {
        const text = norm(m[2]);
        const start = root.nodeType === Node.DOCUMENT_NODE ? root.documentElement : root;
        const holds = (el) => norm(el.innerText ?? el.textContent).includes(text);
        if (!start || !holds(start)) continue;
        const walk = (el) => {
          const inner = [...el.children].filter(holds);
          if (inner.length === 0) next.push(el);
          else inner.forEach(walk);
        };
        walk(start);
      } else {
        next.push(...root.querySelectorAll(part));
      }
    }
    found = [...new Set(next)];
  }
  return found.filter((el) => el !== document);
}

// The first element of a selector, once it is shown.
function shownElement(selector) {
  return queryAll(selector).find((el) => {
    const box = el.getBoundingClientRect();
    return box.width > 0 && box.height > 0 && getComputedStyle(el).visibility !== 'hidden';
  }) || null;
}

const IN_PAGE = `${queryAll}\n${shownElement}`;

class Frame {
  constructor(page, id) {
    this.page = page;
    this.id = id;
    this.parentId = null;
    this.name = '';
    this.address = '';
  }

  url() {
    return this.address;
  }

  // A function of the page (given as source or function) with one argument.
  async evaluate(fn, arg, { userGesture = false, timeout = DEFAULT_TIMEOUT } = {}) {
    const end = Date.now() + timeout;
    for (;;) {
      const context = this.page.contexts.get(this.id);
      try {
        if (context === undefined) throw new Error('no script context yet');
        const reply = await this.page.send('Runtime.callFunctionOn', {
          functionDeclaration: String(fn),
          executionContextId: context,
          arguments: arg === undefined ? [] : [{ value: arg }],
          returnByValue: true,
          awaitPromise: true,
          userGesture,
        });
        if (reply.exceptionDetails) {
          const d = reply.exceptionDetails;
          throw Object.assign(new Error((d.exception && d.exception.description) || d.text), { inPage: true });
        }
        return reply.result.value;
      } catch (e) {
        // The frame was navigating: its new document's context comes shortly.
        if (e.inPage || this.page.closed || Date.now() > end) throw e;
        await sleep(20);
      }
    }
  }

  async waitForFunction(fn, arg, { timeout = DEFAULT_TIMEOUT, polling = 20 } = {}) {
    const end = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(`function (a) { return (${fn})(a); }`, arg, { timeout });
      if (value) return { jsonValue: async () => value };
      if (Date.now() > end) throw new Error(`timed out after ${timeout} ms waiting for ${fn}`);
      await sleep(typeof polling === 'number' ? polling : 20);
    }
  }

  async waitForSelector(selector, { timeout = DEFAULT_TIMEOUT } = {}) {
    try {
      await this.waitForFunction(`(s) => { ${IN_PAGE}; return shownElement(s) !== null; }`, selector, { timeout });
    } catch (e) {
      throw new Error(`${selector} not shown in ${this.address}: ${e.message}`);
    }
  }

  async waitForLoadState(state = 'load', options = {}) {
    await this.waitForFunction((ready) => document.readyState === ready,
      state === 'load' ? 'complete' : 'interactive', options);
  }

  // Runs fn(element, arg) on the shown element of selector, waiting for it.
  async onElement(selector, fn, arg, options = {}) {
    await this.waitForSelector(selector, options);
    return this.evaluate(`function ([s, a]) { ${IN_PAGE}; return (${fn})(shownElement(s), a); }`, [selector, arg],
      options);
  }

  textContent(selector) {
    return this.onElement(selector, (el) => el.textContent);
  }

  innerText(selector) {
    return this.onElement(selector, (el) => el.innerText);
  }

  inputValue(selector) {
    return this.onElement(selector, (el) => el.value);
  }

  locator(selector) {
    return { innerText: () => this.innerText(selector) };
  }

  // A click as the visitor's: with user activation, so links may lead the
  // top window elsewhere.
  click(selector) {
    return this.onElement(selector, (el) => {
      el.scrollIntoView({ block: 'center' });
      el.click();
    }, undefined, { userGesture: true });
  }

  focus(selector) {
    return this.onElement(selector, (el) => {
      el.focus();
      if (typeof el.select === 'function') el.select();
    });
  }

  // Replaces the field's text, as one input event.
  async fill(selector, text) {
    await this.focus(selector);
    if (text === '') await this.page.key('Delete');
    else await this.page.send('Input.insertText', { text });
  }

  // Key by key, as typed.
  async type(selector, text, { delay = 0 } = {}) {
    await this.onElement(selector, (el) => el.focus());
    for (const ch of text) {
      await this.page.key(ch);
      if (delay) await sleep(delay);
    }
  }

  async press(selector, key) {
    await this.onElement(selector, (el) => el.focus());
    await this.page.key(key);
  }
}

const KEYS = {
  Enter: { code: 'Enter', windowsVirtualKeyCode: 13, text: '\r' },
  Delete: { code: 'Delete', windowsVirtualKeyCode: 46 },
  Backspace: { code: 'Backspace', windowsVirtualKeyCode: 8 },
  Tab: { code: 'Tab', windowsVirtualKeyCode: 9 },
};

class Page extends EventEmitter {
  constructor(browser, targetId, sessionId) {
    super();
    this.browser = browser;
    this.targetId = targetId;
    this.sessionId = sessionId;
    this.frames_ = new Map();
    this.contexts = new Map();
    this.mainId = null;
    this.closed = false;
    const on = (method, handler) => browser.connection.sessions.get(sessionId).on(method, handler);
    on('Page.frameAttached', ({ frameId, parentFrameId }) => {
      this.frameById(frameId).parentId = parentFrameId;
    });
    on('Page.frameNavigated', ({ frame }) => {
      const f = this.frameById(frame.id);
      f.parentId = frame.parentId || null;
      f.name = frame.name || '';
      f.address = frame.url + (frame.urlFragment || '');
      if (!frame.parentId) this.mainId = frame.id;
    });
    on('Page.navigatedWithinDocument', ({ frameId, url }) => {
      this.frameById(frameId).address = url;
    });
    on('Page.frameDetached', ({ frameId, reason }) => {
      if (reason !== 'swap') this.frames_.delete(frameId);
    });
    on('Runtime.executionContextCreated', ({ context }) => {
      if (context.auxData && context.auxData.isDefault) this.contexts.set(context.auxData.frameId, context.id);
    });
    on('Runtime.executionContextDestroyed', ({ executionContextId }) => {
      for (const [frame, id] of this.contexts) if (id === executionContextId) this.contexts.delete(frame);
    });
    on('Runtime.executionContextsCleared', () => this.contexts.clear());
    on('Runtime.exceptionThrown', ({ exceptionDetails: d }) => {
      this.emit('pageerror', (d.exception && d.exception.description) || d.text);
    });
  }

  send(method, params) {
    return this.browser.connection.send(method, params, this.sessionId);
  }

  // Resolves on the next event of that name that passes the test.
  next(method, test = () => true, timeout = DEFAULT_TIMEOUT) {
    const session = this.browser.connection.sessions.get(this.sessionId);
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        session.off(method, listener);
        reject(new Error(`timed out after ${timeout} ms waiting for ${method}`));
      }, timeout);
      const listener = (params) => {
        if (!test(params)) return;
        clearTimeout(timer);
        session.off(method, listener);
        resolve(params);
      };
      session.on(method, listener);
    });
  }

  frameById(id) {
    if (!this.frames_.has(id)) this.frames_.set(id, new Frame(this, id));
    return this.frames_.get(id);
  }

  async init() {
    await Promise.all([
      this.send('Page.enable'),
      this.send('Runtime.enable'),
      this.send('Emulation.setFocusEmulationEnabled', { enabled: true }),
      this.send('Emulation.setDeviceMetricsOverride', { ...VIEWPORT, deviceScaleFactor: 1, mobile: false }),
    ]);
    const { frameTree } = await this.send('Page.getFrameTree');
    const walk = (node) => {
      const f = this.frameById(node.frame.id);
      f.parentId = node.frame.parentId || null;
      f.name = node.frame.name || '';
      f.address = node.frame.url;
      (node.childFrames || []).forEach(walk);
    };
    walk(frameTree);
    this.mainId = frameTree.frame.id;
  }

  mainFrame() {
    return this.frames_.get(this.mainId);
  }

  frames() {
    return [...this.frames_.values()];
  }

  frame({ name }) {
    return this.frames().find((f) => f.name === name) || null;
  }

  url() {
    return this.mainFrame().url();
  }

  // The next document of the top window, once loaded.
  async waitForNavigation({ timeout = DEFAULT_TIMEOUT } = {}) {
    await this.next('Page.frameNavigated', ({ frame }) => !frame.parentId, timeout);
    await this.next('Page.loadEventFired', () => true, timeout);
  }

  async goto(url, { timeout = DEFAULT_TIMEOUT } = {}) {
    const loaded = this.next('Page.loadEventFired', () => true, timeout);
    const { errorText } = await this.send('Page.navigate', { url });
    if (errorText) {
      loaded.catch(() => {});
      throw new Error(`${url}: ${errorText}`);
    }
    await loaded;
  }

  async key(key) {
    const known = KEYS[key] || { text: key };
    const base = { key, code: known.code || '', windowsVirtualKeyCode: known.windowsVirtualKeyCode || 0 };
    await this.send('Input.dispatchKeyEvent', { type: known.text ? 'keyDown' : 'rawKeyDown', ...base,
      text: known.text, unmodifiedText: known.text });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
  }

  evaluate(fn, arg) {
    return this.mainFrame().evaluate(fn, arg);
  }

  waitForFunction(fn, arg, options) {
    return this.mainFrame().waitForFunction(fn, arg, options);
  }

  innerText(selector) {
    return this.mainFrame().innerText(selector);
  }

  title() {
    return this.evaluate(() => document.title);
  }

  waitForTimeout(ms) {
    return sleep(ms);
  }

  // The viewport, or with fullPage the whole page, as PNG.
  async screenshot({ path, fullPage = false }) {
    const params = { format: 'png' };
    if (fullPage) {
      const { cssContentSize: size } = await this.send('Page.getLayoutMetrics');
      params.clip = { x: 0, y: 0, width: Math.ceil(size.width), height: Math.ceil(size.height), scale: 1 };
      params.captureBeyondViewport = true;
    }
    const { data } = await this.send('Page.captureScreenshot', params);
    fs.writeFileSync(path, Buffer.from(data, 'base64'));
  }

  async close() {
    if (this.closed) return;
    this.closed = true;
    await this.browser.connection.send('Target.closeTarget', { targetId: this.targetId });
    this.browser.connection.sessions.delete(this.sessionId);
  }
}

class Browser {
  constructor(process, connection) {
    this.process = process;
    this.connection = connection;
  }

  async newPage() {
    const { targetId } = await this.connection.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.connection.send('Target.attachToTarget', { targetId, flatten: true });
    this.connection.sessions.set(sessionId, new EventEmitter());
    const page = new Page(this, targetId, sessionId);
    await page.init();
    return page;
  }

  async close() {
    if (this.process.exitCode !== null || this.process.signalCode !== null) return;
    const gone = new Promise((resolve) => this.process.once('exit', resolve));
    this.connection.send('Browser.close').catch(() => {});
    const timer = setTimeout(() => this.process.kill('SIGKILL'), 10000);
    await gone;
    clearTimeout(timer);
  }
}

// Chromium (CHROMIUM or Debian's) with the profile folder given; headless.
async function launch({ profile, executable = process.env.CHROMIUM || '/usr/bin/chromium', args = [] }) {
  const child = spawn(executable, [...FLAGS, `--user-data-dir=${profile}`, '--remote-debugging-pipe', ...args,
    'about:blank'], { stdio: ['ignore', 'pipe', 'pipe', 'pipe', 'pipe'] });
  let log = '';
  const keep = (chunk) => { log = (log + chunk).slice(-4000); };
  child.stdout.on('data', keep);
  child.stderr.on('data', keep);
  const connection = new Connection(child);
  const started = new Promise((resolve, reject) => {
    child.once('error', reject);
    child.once('exit', (code) => reject(new Error(`${executable} ended with ${code}:\n${log}`)));
    connection.send('Browser.getVersion').then(resolve, reject);
  });
  await started;
  return new Browser(child, connection);
}

module.exports = { launch };
