// Serves folders on 127.0.0.1 and drives Debian's headless Chromium over its DevTools protocol:
// enough to load a page, evaluate in it, press keys, answer its file choosers, take its downloads
// and read what assistive technology is told.
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, rmSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';

const kTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// Serves the folders on 127.0.0.1, each path from the first folder that holds it. held = { path,
// first } sends that file's first bytes (half of it when first is not given) at once and the rest
// only after server.release(). server.stop() cuts every connection and serves no more, as a
// network gone.
export function serve(folders, { held = null } = {}) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (path.includes('..')) { response.writeHead(400).end(); return; }
    const name = path.endsWith('/') ? path + 'index.html' : path;
    for (const folder of folders) {
      const bytes = await readFile(join(folder, name)).catch(() => null);
      if (bytes === null) continue;
      response.writeHead(200, { 'Content-Type': kTypes[extname(name)] || 'application/octet-stream', 'Content-Length': bytes.length });
      if (name === held?.path) {
        const first = held.first ?? bytes.length >> 1;
        response.write(bytes.subarray(0, first));
        await released;
        response.end(bytes.subarray(first));
      } else {
        response.end(bytes);
      }
      return;
    }
    response.writeHead(404).end();
  });
  server.release = release;
  server.stop = () => {
    server.close();
    server.closeAllConnections();
  };
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export class Browser {
  // Resolves null when the browser cannot start here (no binary, no WebSocket in this Node).
  static async launch(binary = 'chromium') {
    if (typeof WebSocket === 'undefined') return { skip: 'this Node.js has no WebSocket (run it with --experimental-websocket)' };
    const profile = mkdtempSync(join(tmpdir(), 'prelo-chromium-'));
    const child = spawn(binary, ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--autoplay-policy=no-user-gesture-required', '--remote-debugging-port=0', `--user-data-dir=${profile}`,
      'about:blank'], { stdio: ['ignore', 'ignore', 'pipe'] });
    const address = await new Promise((resolve) => {
      let text = '';
      const timer = setTimeout(() => resolve(null), 30000);
      child.on('error', () => { clearTimeout(timer); resolve(null); });
      child.on('exit', () => { clearTimeout(timer); resolve(null); });
      child.stderr.on('data', (chunk) => {
        text += chunk;
        const found = /DevTools listening on (ws:\/\/\S+)/.exec(text);
        if (found) { clearTimeout(timer); resolve(found[1]); }
      });
    });
    if (address === null) {
      child.kill();
      rmSync(profile, { recursive: true, force: true });
      return { skip: `${binary} did not start headless` };
    }
    const browser = new Browser(child, profile, new WebSocket(address));
    await new Promise((resolve, reject) => { browser.socket.onopen = resolve; browser.socket.onerror = reject; });
    return { browser };
  }

  constructor(child, profile, socket) {
    this.child = child;
    this.profile = profile;
    this.socket = socket;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    // A request the browser can no longer answer fails instead of waiting for ever.
    socket.onclose = () => {
      for (const { reject } of this.pending.values()) reject(new Error('the browser closed its connection'));
      this.pending.clear();
    };
    socket.onmessage = (event) => {
      const message = JSON.parse(event.data);
      if (message.id !== undefined && this.pending.has(message.id)) {
        const { resolve, reject } = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (message.error) reject(new Error(message.error.message)); else resolve(message.result);
      } else if (message.method) {
        for (const listener of this.listeners) listener(message);
      }
    };
  }

  send(method, params = {}, sessionId = undefined) {
    if (this.socket.readyState !== WebSocket.OPEN) return Promise.reject(new Error('the browser closed its connection'));
    const id = this.nextId++;
    this.socket.send(JSON.stringify({ id, method, params, sessionId }));
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
  }

  // A new tab on url, with its errors collected in page.errors; beforePage, when given, is script
  // that runs before the page's own.
  async open(url, beforePage = null) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    this.listeners.push((message) => { if (message.sessionId === sessionId) page.onEvent(message); });
    await page.send('Runtime.enable');
    await page.send('Page.enable');
    await page.send('Log.enable');
    if (beforePage !== null) await page.send('Page.addScriptToEvaluateOnNewDocument', { source: beforePage });
    const loaded = page.waitFor('Page.loadEventFired');
    await page.send('Page.navigate', { url });
    await loaded;
    return page;
  }

  // Does act, which should make a page download a file, and resolves with the file's path once
  // the browser has saved it in folder under the name the page gave.
  async download(folder, act, timeoutMs = 10000) {
    await this.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
    let name = null;
    const saved = new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error('no download was saved')), timeoutMs);
      this.listeners.push((message) => {
        if (message.method === 'Browser.downloadWillBegin') name = message.params.suggestedFilename;
        if (message.method === 'Browser.downloadProgress' && message.params.state !== 'inProgress') {
          clearTimeout(timer);
          if (message.params.state === 'completed') resolve(join(folder, name)); else reject(new Error('the download was cancelled'));
        }
      });
    });
    await act();
    return saved;
  }

  // Asks the browser to quit, so its helper processes end with it, then removes its profile.
  async close() {
    // The browser may be gone already, or go without answering: wait for its exit, not its
    // answer, and from a five-second limit on, make it go.
    const gone = () => this.child.exitCode !== null || this.child.signalCode !== null;
    const exited = new Promise((resolve) => (gone() ? resolve() : this.child.on('exit', resolve)));
    const timer = setTimeout(() => this.child.kill('SIGKILL'), 5000);
    if (!gone()) this.send('Browser.close').catch(() => this.child.kill());
    await exited;
    clearTimeout(timer);
    this.socket.close();
    try {
      rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    } catch (error) {
      console.log(`note: the browser profile ${this.profile} could not be removed: ${error.message}`);
    }
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.errors = [];
    this.waiters = [];
  }

  send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

  onEvent(message) {
    if (message.method === 'Runtime.exceptionThrown') {
      this.errors.push(message.params.exceptionDetails.exception?.description || message.params.exceptionDetails.text);
    } else if (message.method === 'Runtime.consoleAPICalled' && message.params.type === 'error') {
      this.errors.push(message.params.args.map((arg) => arg.value ?? arg.description).join(' '));
    } else if (message.method === 'Log.entryAdded' && message.params.entry.level === 'error') {
      this.errors.push(message.params.entry.text + ' ' + (message.params.entry.url || ''));
    }
    this.waiters = this.waiters.filter(({ method, resolve }) => {
      if (method !== message.method) return true;
      resolve(message.params);
      return false;
    });
  }

  waitFor(method) { return new Promise((resolve) => this.waiters.push({ method, resolve })); }

  // The value of an expression (awaited when it is a promise), as a user's gesture.
  async evaluate(expression) {
    const result = await this.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true, userGesture: true });
    if (result.exceptionDetails) throw new Error(result.exceptionDetails.exception?.description || result.exceptionDetails.text);
    return result.result.value;
  }

  // Polls until the expression is true, or fails after timeoutMs.
  async until(expression, timeoutMs, what) {
    const end = Date.now() + timeoutMs;
    while (Date.now() < end) {
      if (await this.evaluate(expression)) return;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(`timed out waiting for ${what}`);
  }

  // A key pressed and released, as the keyboard sends it; text, for keys that type (return,
  // space), lets the key work a focused button as a real one does.
  async pressKey(code, key, virtualKey, text = undefined) {
    for (const type of ['keyDown', 'keyUp']) {
      await this.send('Input.dispatchKeyEvent', { type, code, key, windowsVirtualKeyCode: virtualKey,
        ...(type === 'keyDown' && text !== undefined ? { text } : {}) });
      await new Promise((resolve) => setTimeout(resolve, 80));
    }
  }

  async setInputFiles(selector, files) {
    const { root } = await this.send('DOM.getDocument');
    const { nodeId } = await this.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    await this.send('DOM.setFileInputFiles', { nodeId, files });
  }

  // From now on a file chooser the page opens is not shown; answerFileChooser answers it.
  async interceptFileChoosers() {
    await this.send('Page.setInterceptFileChooserDialog', { enabled: true });
  }

  // Does act, which should make the page open a file chooser, gives the chooser the files, and
  // says which input opened it.
  async answerFileChooser(act, files, timeoutMs = 5000) {
    const opened = this.waitFor('Page.fileChooserOpened');
    await act();
    const timeout = new Promise((resolve, reject) => setTimeout(() => reject(new Error('no file chooser opened')), timeoutMs));
    const { backendNodeId } = await Promise.race([opened, timeout]);
    await this.send('DOM.setFileInputFiles', { backendNodeId, files });
    const { node } = await this.send('DOM.describeNode', { backendNodeId });
    return node.attributes[node.attributes.indexOf('id') + 1];
  }

  // The focused element's id, and its role and name as assistive technology is told them.
  async focused() {
    const { result } = await this.send('Runtime.evaluate', { expression: 'document.activeElement' });
    const { nodes } = await this.send('Accessibility.getPartialAXTree', { objectId: result.objectId, fetchRelatives: false });
    const id = await this.evaluate('document.activeElement.id');
    return { id, role: nodes[0]?.role?.value ?? '', name: nodes[0]?.name?.value ?? '' };
  }

  // The window's size in CSS pixels, as a phone or tablet of that size has it.
  async setViewport(width, height, mobile) {
    await this.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: mobile ? 3 : 1, mobile });
  }
}
