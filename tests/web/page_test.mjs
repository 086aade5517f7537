// The browser page in headless Chromium, against the native build run in the same session. The
// page is driven as a user drives it (its buttons, keys and file choosers) and read from what it
// shows; only the frame hashes come from the module itself, through harness.html, which the test
// server serves beside the site.
// usage: node --experimental-websocket page_test.mjs CASE SITE NATIVE_RENDER ASSETS
//   CASE: frames (the frames of every scene hash as the native build's, the movie arriving only
//   once the demo waits for it), jump (a jump key restarts the music at its scene; the movie's
//   scene, its movie held back, waits and says so, and Stop or the movie's coming ends the wait;
//   escape ends the demo), start (the start screen while loading and after: progress, harmless
//   keys, no hooks, the keyboard alone, a phone's screen), files (bad or partial file sets each
//   refused with their message, then a good one plays), offline (installable; a new build served
//   once no page of the old is open replaces the old cache with its own, and a second visit with
//   the server gone plays from it), pictures (the Pictures view lists the archive's pictures; a
//   wrong-size PNG is refused as prelo-assets pack refuses it; a caption dropped on its picture is
//   played from its moment, downloads as the archive pack writes, and renders, started at that
//   moment, the frame the native build renders from that archive). Every case also fails on any
//   error the page reports, a breach of its content policy included.
// Exit 77 (skipped) when the browser cannot start here.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, symlinkSync, truncateSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { crc32, deflateSync } from 'node:zlib';
import { Browser, serve } from './browser.mjs';

const [testCase, site, nativeRender, assets] = process.argv.slice(2);
const kHere = dirname(fileURLToPath(import.meta.url));
// One frame in every scene, the movie's included, on the runner's 100 ms step.
const kCaptureTimes = '2500,8000,16000,24000,31000,39000,46000,48500,53500,59000,62000,64500,80000,100000,110000,120000';
const kRender = { stepMs: 100, stopMs: 121000, capture: kCaptureTimes };
const kRenderArgs = ['--step', kRender.stepMs, '--stop', kRender.stopMs, '--capture', kCaptureTimes].map(String);
const kSceneStartsMs = { Digit5: 35100, Digit8: 59000 };  // where the keys' scenes begin
const kMovieSceneStartMs = 64737;
// The movie held back after its header and index: the demo starts, and waits at the first frame.
const kMovieHeld = { path: '/samples/Prelo.moz', first: 20 + 8 * readFileSync(join(assets, 'Prelo.moz')).readUInt32LE(4) };
const kGoodSet = ['Prelo.zpx', 'PreloM.moz', 'Vuvi01.wav'];
const kKeys = {
  Tab: ['Tab', 9], Enter: ['Enter', 13, '\r'], Space: [' ', 32, ' '], Escape: ['Escape', 27], Pause: ['Pause', 0x13],
  KeyM: ['m', 77, 'm'], F11: ['F11', 122], Digit0: ['0', 48, '0'], Digit5: ['5', 53, '5'], Digit8: ['8', 56, '8'],
};
const press = (page, code) => page.pressKey(code, ...kKeys[code]);

// What the page shows, as one object.
const kLook = `(() => {
  const $ = (id) => document.getElementById(id);
  const clock = $('clock').textContent;
  return { phase: document.body.dataset.phase, clockMs: clock === '' ? null : parseFloat(clock) * 1000,
    message: $('message').textContent, kind: $('message').className, detail: $('message').querySelector('.detail')?.textContent ?? '',
    source: $('source').textContent, playDisabled: $('play').disabled, samplesShown: !$('samples').hidden,
    pauseShown: !$('pause').hidden, progress: $('progress-text').textContent,
    notice: $('notice').hidden ? '' : $('notice').textContent, offline: !$('offline').hidden };
})()`;
const look = (page) => page.evaluate(kLook);
const until = (page, condition, timeoutMs, what) => page.until(`(({ phase, clockMs, message, kind, detail, source, playDisabled,
  samplesShown, pauseShown, progress, notice, offline }) => ${condition})(${kLook})`, timeoutMs, what);
// A sample of the canvas's bytes: equal while the picture stands still.
const kCanvasSum = `Array.from(document.getElementById('screen').getContext('2d').getImageData(0, 0, 640, 480).data)
  .reduce((sum, value, i) => (i % 7 === 0 ? (sum * 31 + value) % 1000000007 : sum), 0)`;
const kCanvasLit = `Array.from(document.getElementById('screen').getContext('2d').getImageData(0, 0, 640, 480).data)
  .filter((value, i) => i % 4 !== 3 && value > 16).length`;
const click = (page, id) => page.evaluate(`document.getElementById('${id}').click(); true`);

function frameLines(text) {
  return text.split('\n').filter((line) => line.startsWith('frame ')).map((line) => line.split(' ').slice(1, 3).join(' '));
}

// Paused, the music clock and the picture stand still; resumed, both go on.
async function checkPauseAndResume(page) {
  await press(page, 'Pause');
  const paused = await page.evaluate(`new Promise((r) => setTimeout(r, 300)).then(() => [${kLook}, ${kCanvasSum}])`);
  const still = await page.evaluate(`new Promise((r) => setTimeout(r, 700)).then(() => [${kLook}, ${kCanvasSum}])`);
  if (!paused[0].pauseShown || still[0].clockMs !== paused[0].clockMs || still[1] !== paused[1]) {
    throw new Error(`paused, the demo went on from ${paused[0].clockMs} ms to ${still[0].clockMs} ms`);
  }
  await press(page, 'Pause');
  await until(page, `clockMs > ${still[0].clockMs}`, 5000, 'the demo to resume');
}

// Tabs from where the focus is until it reaches the element with that id.
async function tabTo(page, id) {
  for (let i = 0; i < 30; ++i) {
    await press(page, 'Tab');
    if ((await page.focused()).id === id) return;
  }
  throw new Error(`the keyboard never reaches #${id}`);
}

// The page's own names on window, beside a fresh window of the same origin's.
const kAddedGlobals = `(() => {
  const frame = document.body.appendChild(document.createElement('iframe'));
  const fresh = new Set(Object.getOwnPropertyNames(frame.contentWindow));
  frame.remove();
  return Object.getOwnPropertyNames(window).filter((name) => !fresh.has(name) && !/^\\d+$/.test(name));
})()`;

// Code that is not one of the site's own files, an inline script and a request to elsewhere:
// the directives of the content policy that refused them.
const kForeignCode = `new Promise((resolve) => {
  const refused = [];
  document.addEventListener('securitypolicyviolation', (event) => refused.push(event.effectiveDirective));
  const script = document.createElement('script');
  script.textContent = 'window.inlineRan = true';
  document.head.append(script);
  fetch('http://localhost:9/').catch(() => {}).finally(() => setTimeout(() => resolve(window.inlineRan ? ['ran'] : refused), 200));
})`;

// A folder of game files: every name of the good set, copied from the samples, unless the set
// says otherwise (a path below the folder, 'absent' for a file named but gone, or a function of
// the path that makes it).
function makeFolder(root, set) {
  rmSync(root, { recursive: true, force: true });
  const files = { ...Object.fromEntries(kGoodSet.map((name) => [name, 'good'])), ...set };
  const chosen = [];
  for (const [path, what] of Object.entries(files)) {
    const file = join(root, path);
    mkdirSync(dirname(file), { recursive: true });
    if (what === 'good') copyFileSync(join(assets, path.split('/').pop()), file);
    else if (typeof what === 'function') what(file);
    else if (typeof what === 'string' && what !== 'absent') writeFileSync(file, what);
    if (what !== null) chosen.push(file);
  }
  return chosen;
}

// The movie with its data cut in the middle of the frame a tenth of the way in: its index is
// whole, so the demo starts and fails only when it reaches that frame.
function cutMovie(file) {
  const movie = readFileSync(join(assets, 'PreloM.moz'));
  const entry = 20 + 8 * Math.floor(movie.readUInt32LE(4) / 10);
  writeFileSync(file, movie.subarray(0, movie.readUInt32LE(entry) + (movie.readUInt32LE(entry + 4) >> 1)));
}

// Bad or partial file sets: refused when chosen, with the message shown, or failing when played.
// A null file is left out of the set.
const kBadSets = [
  { name: 'files missing', set: { 'Prelo.zpx': null, 'PreloM.moz': null }, refused: /missing .*Prelo\.zpx, Prelo\.moz \(or PreloM\.moz\)\.$/ },
  { name: 'the archive only in a subfolder', via: '#folder', set: { 'Prelo.zpx': null, 'old/Prelo.zpx': 'good' },
    refused: /missing .*Prelo\.zpx\. .*holds .*old\/Prelo\.zpx/ },
  { name: 'an archive of 3 GB', set: { 'Prelo.zpx': (file) => { writeFileSync(file, ''); truncateSync(file, 3 * 1024 ** 3); } },
    refused: /^Prelo\.zpx is 3\.0 GB, .*not read/ },
  { name: 'an archive gone before it was read', set: { 'Prelo.zpx': 'absent' }, refused: /^Prelo\.zpx could not be read: / },
  { name: 'music that is no sound', set: { 'Vuvi01.wav': 'RIFF and nothing more' }, refused: /^Vuvi01\.wav is damaged/ },
  { name: 'a damaged archive', set: { 'Prelo.zpx': 'ZPX0 this is not an index' }, fails: /^The demo did not start/, detail: /Prelo\.zpx/ },
  { name: 'a damaged archive beside a good one in a subfolder', via: '#folder',
    set: { 'Prelo.zpx': 'ZPX0 this is not an index', 'old/Prelo.zpx': 'good' }, fails: /^The demo did not start/, detail: /Prelo\.zpx/ },
  { name: 'a movie cut short', set: { 'PreloM.moz': cutMovie }, jump: 'Digit0', fails: /^The demo stopped part-way/, detail: /./ },
];

// A PNG of one colour: RGB, RGBA given four values, or one index of a palette (PLTE's bytes);
// its rows unfiltered.
function flatPng(width, height, colour, palette = null) {
  const chunk = (type, data) => {
    const body = Buffer.concat([Buffer.from(type), data]);
    const framing = Buffer.alloc(8);
    framing.writeUInt32BE(data.length, 0);
    framing.writeUInt32BE(crc32(body), 4);
    return Buffer.concat([framing.subarray(0, 4), body, framing.subarray(4)]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, palette !== null ? 3 : colour.length === 4 ? 6 : 2], 8);
  const row = Buffer.concat([Buffer.alloc(1), ...Array(width).fill(Buffer.from(colour))]);
  return Buffer.concat([kPngSignature, chunk('IHDR', header), ...(palette !== null ? [chunk('PLTE', palette)] : []),
    chunk('IDAT', deflateSync(Buffer.concat(Array(height).fill(row)))), chunk('IEND', Buffer.alloc(0))]);
}
const kPngSignature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

// The PLTE chunk's bytes of a PNG file.
function paletteOf(png) {
  for (let at = kPngSignature.length; at < png.length; at += 12 + png.readUInt32BE(at)) {
    if (png.toString('latin1', at + 4, at + 8) === 'PLTE') return png.subarray(at + 8, at + 8 + png.readUInt32BE(at));
  }
  throw new Error('the PNG has no palette');
}

// The Pictures view's tiles as they read.
const kTiles = `Array.from(document.querySelectorAll('#picture-list .picture'), (tile) => ({ index: Number(tile.dataset.index),
  facts: tile.querySelector('.facts').textContent, role: tile.querySelector('.role').textContent,
  verdict: tile.querySelector('.verdict').textContent }))`;

// Drops a file on the picture at index as a user's drag does.
const dropOn = (page, index, name, bytes) => page.evaluate(`(() => {
  const transfer = new DataTransfer();
  const bytes = Uint8Array.from(atob('${bytes.toString('base64')}'), (letter) => letter.charCodeAt(0));
  transfer.items.add(new File([bytes], '${name}', { type: 'image/png' }));
  const tile = document.querySelector('#picture-list .picture[data-index="${index}"]');
  tile.querySelector('.verdict').textContent = '';
  for (const type of ['dragenter', 'dragover', 'drop']) tile.dispatchEvent(new DragEvent(type, { dataTransfer: transfer, bubbles: true, cancelable: true }));
  return true;
})()`);
const verdictOf = async (page, index) => {
  const selector = `#picture-list .picture[data-index="${index}"] .verdict`;
  await page.until(`document.querySelector('${selector}').textContent !== ''`, 10000, `the verdict on picture ${index}`);
  return page.evaluate(`document.querySelector('${selector}').textContent`);
};

// Does act and waits until the page has rewritten what the test cleared before it, so that the
// text of an earlier step never passes for the answer.
async function rewritten(page, act, cleared, condition, timeoutMs, what) {
  await page.evaluate(`document.getElementById('${cleared}').replaceChildren(); true`);
  await act();
  await until(page, condition, timeoutMs, what);
  return look(page);
}
const choose = (page, act) => rewritten(page, act, 'source', `source !== '' && !source.startsWith('Reading')`, 10000, 'the choice');
const playToEnd = (page, act) => rewritten(page, act, 'message', `phase === 'ended' && message !== ''`, 30000, 'the demo to end');

const cases = {
  frames: {
    url: '/harness.html',
    held: kMovieHeld,
    async run(page, server) {
      await page.until('window.harness !== undefined', 60000, 'the module');
      const native = frameLines(execFileSync(nativeRender, ['--assets', assets, ...kRenderArgs],
        { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }));
      await page.evaluate(`harness.rendering = harness.render(${JSON.stringify({ assets: '/samples', ...kRender })}); true`);
      await page.until('harness.movieWaits > 0', 60000, 'the render to wait for the movie');
      server.release();
      const web = await page.evaluate('harness.rendering');
      if (web.status !== 0) throw new Error(`the render ended with status ${web.status}`);
      const browser = frameLines(web.lines.join('\n'));
      if (native.length !== kCaptureTimes.split(',').length) throw new Error(`the native build gave ${native.length} frames`);
      if (browser.join('\n') !== native.join('\n')) {
        throw new Error(`frames differ\nnative:\n${native.join('\n')}\nbrowser:\n${browser.join('\n')}`);
      }
      const wav = createHash('sha256').update(readFileSync(join(assets, 'Vuvi01.wav'))).digest('hex');
      if ((await page.evaluate(`harness.sha256('/samples/Vuvi01.wav')`)) !== wav) throw new Error('the music rebuilt from FLAC is not the WAV');
      return `the same ${native.length} frame hashes as the native build, the movie arriving while the render waited; the music's WAV rebuilt from FLAC byte for byte`;
    },
  },

  jump: {
    held: kMovieHeld,
    async run(page, server) {
      await page.evaluate(`document.getElementById('demo-music').checked = true;
                           document.getElementById('cancel').checked = true; true`);
      const startPlaying = async () => {
        await click(page, 'play');
        await until(page, `phase === 'playing' && clockMs > 0`, 20000, 'the demo to play');
      };
      const endQuietly = async (act, what) => {
        const ended = await playToEnd(page, act);
        if (ended.message !== 'The demo has ended.' || ended.kind === 'error' || ended.clockMs !== null || ended.notice !== '') {
          throw new Error(`${what}, the page shows ${JSON.stringify(ended)}`);
        }
      };
      const waitForMovie = async () => {
        await press(page, 'Digit0');
        await until(page, `/still loading/.test(notice)`, 5000, 'the page to say the movie is still loading');
      };
      await startPlaying();
      const before = (await look(page)).clockMs;
      if (before > 5000) throw new Error(`the music is at ${before} ms before any key`);
      for (const [code, startMs] of Object.entries(kSceneStartsMs)) {
        await press(page, code);
        await until(page, `clockMs >= ${startMs} && clockMs < ${startMs + 3000}`, 5000, `the music to restart at ${startMs} ms after ${code}`);
      }
      // The movie's scene waits for the movie and says so; Stop ends the wait and the demo.
      await waitForMovie();
      await endQuietly(() => click(page, 'stop'), 'stopped while it waited for the movie');
      // Played again, it waits, and plays the movie once it is in, from where the music stood:
      // the wait took no music time.
      await startPlaying();
      await waitForMovie();
      await new Promise((resolve) => setTimeout(resolve, 2000));
      if ((await look(page)).phase !== 'playing') throw new Error('the demo did not wait for the movie');
      server.release();
      await until(page, `notice === '' && clockMs > ${kMovieSceneStartMs + 500}`, 20000, 'the movie to play');
      const resumed = await look(page);
      if (resumed.clockMs > kMovieSceneStartMs + 1900) throw new Error(`the music ran on while the demo waited: ${resumed.clockMs} ms`);
      await endQuietly(() => press(page, 'Escape'), 'at the end');
      return 'keys 5 and 8 restarted the music at their scenes; at 0 the demo waited for the movie held back and said so, Stop ended it quietly; played again, it waited and went on from where the music stood once the movie came; escape ended the demo, quietly, the clock cleared';
    },
  },

  start: {
    held: { path: '/samples/Prelo.zpx.gz' },
    watchesLoading: true,
    async run(page, server, folder) {
      // Loading: the bytes so far are shown, and the player's keys do nothing yet.
      await until(page, `/^[1-9]\\d? %/.test(progress)`, 20000, 'the download\'s progress');
      for (const code of ['Pause', 'KeyM', 'KeyM', 'F11']) await press(page, code);
      if (await page.evaluate('document.fullscreenElement !== null')) {
        await press(page, 'F11');
        await page.until('document.fullscreenElement === null', 5000, 'fullscreen to end');
      }
      const loading = await look(page);
      if (loading.phase !== 'loading' || loading.pauseShown) throw new Error(`while loading: ${JSON.stringify(loading)}`);
      const added = await page.evaluate(kAddedGlobals);
      if (added.length > 0) throw new Error(`the page adds to window: ${added.join(', ')}`);
      const errorsBefore = page.errors.length;
      const refused = await page.evaluate(kForeignCode);
      if (refused.join() !== 'script-src-elem,connect-src') throw new Error(`the content policy refused only ${refused.join()}`);
      page.errors.splice(errorsBefore);  // the two refusals, as the console tells them
      server.release();
      await until(page, `phase === 'ready' && !playDisabled`, 60000, 'the module to load');

      // The keyboard alone: every control reached with a name, the choosers opened and answered.
      await page.interceptFileChoosers();
      const reached = new Map();
      await page.evaluate('document.activeElement.blur(); true');
      for (let i = 0; i < 12; ++i) {
        await press(page, 'Tab');
        const { id, role, name } = await page.focused();
        reached.set(id, `${role} "${name}"`);
      }
      for (const [id, name] of [['play', /Click to start/], ['choose-folder', /folder/], ['choose-files', /files/],
        ['demo-music', /own music/], ['mute', /Mute/], ['fullscreen', /Fullscreen/]]) {
        if (!name.test(reached.get(id) ?? '')) throw new Error(`the keyboard reaches ${JSON.stringify([...reached])}, not #${id} named ${name}`);
      }
      makeFolder(folder, {});
      for (const [id, key, input] of [['choose-files', 'Enter', 'files'], ['choose-folder', 'Space', 'folder']]) {
        await tabTo(page, id);
        let opened;
        const { source } = await choose(page, async () => {
          opened = await page.answerFileChooser(() => press(page, key),
            input === 'files' ? kGoodSet.map((name) => join(folder, name)) : [folder]);
        });
        if (opened !== input || !source.startsWith('Plays your files')) throw new Error(`${key} on #${id}: #${opened}, "${source}"`);
      }
      await tabTo(page, 'samples');
      await press(page, 'Enter');
      await until(page, `source === 'Plays the bundled sample set.' && !samplesShown`, 5000, 'the way back to the samples');
      await tabTo(page, 'play');
      await press(page, 'Enter');
      await until(page, `phase === 'playing' && clockMs > 500`, 20000, 'the samples to play');
      await checkPauseAndResume(page);
      await tabTo(page, 'stop');
      const stopped = await playToEnd(page, () => press(page, 'Enter'));
      if (stopped.message !== 'The demo has ended.' || stopped.kind === 'error' || stopped.clockMs !== null) {
        throw new Error(`stopped, the page shows ${JSON.stringify(stopped)}`);
      }

      // A phone held sideways: the title and the start button are on the screen; the rest scrolls.
      await page.setViewport(844, 390, true);
      const layout = await page.evaluate(`(() => {
        const seen = (element) => {
          const box = element.getBoundingClientRect();
          return box.top >= 0 && box.bottom <= innerHeight && box.left >= 0 && box.right <= innerWidth &&
            element.contains(document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2));
        };
        const $ = (id) => document.getElementById(id);
        const top = seen(document.querySelector('h1')) && seen($('play'));
        $('keys').scrollIntoView();
        return { top, last: seen($('keys')) };
      })()`);
      if (!layout.top || !layout.last) throw new Error(`at 844 x 390: ${JSON.stringify(layout)}`);

      // A browser without WebAssembly SIMD is told so.
      const noSimd = await page.browser.open(await page.evaluate('location.href'), 'WebAssembly.validate = () => false;');
      await until(noSimd, `phase === 'broken' && playDisabled && kind === 'error'`, 10000, 'the page to give up');
      const { message } = await look(noSimd);
      if (!/cannot run WebAssembly SIMD/.test(message)) throw new Error(`without WebAssembly SIMD the page says "${message}"`);
      return `loading showed its progress; keys before loading did nothing; no globals; no eval; the keyboard reached ${reached.size} named controls, opened both choosers, went back to the samples, played, paused and stopped them; a phone's screen holds the title and the button; a browser without WebAssembly SIMD was told "${message}"`;
    },
  },

  files: {
    async run(page, server, folder) {
      const said = [];
      for (const bad of kBadSets) {
        const input = bad.via ?? '#files';
        const chooseSet = (set) => {
          const chosen = makeFolder(folder, set);
          return choose(page, () => page.setInputFiles(input, input === '#folder' ? [folder] : chosen));
        };
        if (!(await chooseSet({})).source.startsWith('Plays your files')) throw new Error(`${bad.name}: the good set before it was refused`);
        let shown = await chooseSet(bad.set);
        if (bad.refused) {
          // Refused: nothing of the earlier choice stays to be played.
          if (!bad.refused.test(shown.message) || shown.kind !== 'error' || !shown.source.startsWith('Nothing to play') ||
              !shown.playDisabled || !shown.samplesShown) {
            throw new Error(`${bad.name}: the page shows ${JSON.stringify(shown)}`);
          }
        } else {
          if (!shown.source.startsWith('Plays your files')) throw new Error(`${bad.name}: the choice was refused: ${shown.message}`);
          await page.evaluate(`document.getElementById('demo-music').checked = ${bad.jump !== undefined}; true`);
          shown = await playToEnd(page, async () => {
            await click(page, 'play');
            if (!bad.jump) return;
            await until(page, `phase === 'playing' && clockMs > 500`, 20000, `${bad.name}: the demo to play`);
            await press(page, bad.jump);
          });
          if (!bad.fails.test(shown.message) || !bad.detail.test(shown.detail) || shown.kind !== 'error') {
            throw new Error(`${bad.name}: the page shows ${JSON.stringify(shown)}`);
          }
        }
        said.push(`${bad.name}: "${shown.message}"`);
      }

      // And a good set plays after them all.
      const good = makeFolder(folder, {});
      await choose(page, () => page.setInputFiles('#files', good));
      await click(page, 'play');
      await until(page, `phase === 'playing' && clockMs > 3000`, 20000, 'the good files to play');
      const lit = await page.evaluate(kCanvasLit);
      if (lit < 1000) throw new Error(`the canvas is dark (${lit} bright channels)`);
      if ((await look(page)).message !== '') throw new Error('a message while playing');
      await click(page, 'stop');
      await until(page, `phase === 'ended'`, 5000, 'the demo to end');
      return `${said.length} bad sets, each with its message:\n  ${said.join('\n  ')}\nthen a good set played`;
    },
  },

  pictures: {
    async run(page, server, folder) {
      const tool = join(dirname(nativeRender), 'prelo-assets');
      const extracted = join(folder, 'pictures');
      execFileSync(tool, ['extract', join(assets, 'Prelo.zpx'), extracted], { stdio: 'ignore' });
      await click(page, 'show-pictures');
      await page.until(`document.querySelectorAll('#picture-list .picture').length > 0`, 10000, 'the pictures');
      const tiles = await page.evaluate(kTiles);
      const pngs = readdirSync(extracted).filter((name) => /^cg_\d+\.png$/.test(name)).length;
      if (tiles.length !== pngs) throw new Error(`the page shows ${tiles.length} pictures, the archive has ${pngs}`);
      // The strip caption of scene 3: the scene draws every frame whole, so a play started at its
      // moment draws what a whole play draws there. (Scene 2 interlaces, keeping half of each
      // frame from the one before: started part-way, its frames differ from a whole play's.)
      const caption = tiles.map((tile) => {
        const [, format, width, height] = /^\d+ · (\S+) · (\d+) × (\d+)$/.exec(tile.facts);
        const [, from, to] = /^scene 3, ([\d.]+)–([\d.]+) s: caption strip/.exec(tile.role) ?? [];
        return { ...tile, format, width: Number(width), height: Number(height), fromMs: from * 1000, toMs: to * 1000 };
      }).find((tile) => tile.toMs - tile.fromMs >= 500);
      if (caption === undefined) throw new Error(`no strip caption shown for half a second among ${JSON.stringify(tiles)}`);
      const name = `cg_${String(caption.index).padStart(3, '0')}.png`;
      // One colour the entry can take: an 8-bit picture's from its own palette.
      const palette = caption.format === 'pms8' ? paletteOf(readFileSync(join(extracted, name))) : null;
      const flat = (width, height) => (palette !== null ? flatPng(width, height, [200], palette)
        : flatPng(width, height, caption.format === 'pms16-alpha' ? [250, 40, 200, 255] : [250, 40, 200]));

      // A wrong size, through the picture's own file chooser from the keyboard: refused with
      // pack's reason, as pack refuses it.
      const wrong = join(folder, 'wrong.png');
      writeFileSync(wrong, flat(3, 2));
      copyFileSync(wrong, join(extracted, name));
      let packSaid = '';
      try {
        execFileSync(tool, ['pack', extracted, join(folder, 'refused.zpx')], { encoding: 'utf8', stdio: ['ignore', 'ignore', 'pipe'] });
      } catch (error) {
        packSaid = error.stderr;
      }
      const reason = /\(entry \d+\): (.*)/.exec(packSaid)?.[1].replace(/; --allow-resize.*\)/, ')');
      await page.interceptFileChoosers();
      await page.evaluate(`document.querySelector('#picture-list .picture[data-index="${caption.index}"] button').focus(); true`);
      await page.answerFileChooser(() => press(page, 'Enter'), [wrong]);
      const refused = await verdictOf(page, caption.index);
      if (reason === undefined || refused !== `Refused: wrong.png (entry ${caption.index}): ${reason}`) {
        throw new Error(`a wrong size: the page says "${refused}", pack says "${packSaid.trim()}"`);
      }

      // The caption in one colour, dropped on its picture, and packed by the tool.
      const png = flat(caption.width, caption.height);
      writeFileSync(join(extracted, name), png);
      mkdirSync(join(folder, 'pack'));
      const packed = join(folder, 'pack', 'Prelo.zpx');
      execFileSync(tool, ['pack', extracted, packed], { stdio: 'ignore' });
      await dropOn(page, caption.index, name, png);
      const taken = await verdictOf(page, caption.index);
      if (taken !== `Replaced by ${name}.`) throw new Error(`the caption dropped: "${taken}"`);
      const saved = await page.browser.download(join(folder, 'download'), () => click(page, 'download'));
      if (!readFileSync(saved).equals(readFileSync(packed))) throw new Error('the downloaded archive is not the one prelo-assets pack writes');

      // Shown in the demo: it plays from the caption's moment, and the view comes back after.
      const showButton = `document.querySelector('#picture-list .picture[data-index="${caption.index}"] button[aria-label^="Show"]')`;
      await page.evaluate(`${showButton}.focus(); true`);
      await press(page, 'Enter');
      await until(page, `phase === 'playing' && clockMs !== null`, 20000, 'the demo to play the caption');
      const { clockMs, source } = await look(page);
      if (clockMs < caption.fromMs - 100 || clockMs > caption.fromMs + 3000) throw new Error(`shown from ${clockMs} ms, not ${caption.fromMs}`);
      if (!/1 of its pictures is replaced/.test(source)) throw new Error(`the start screen says "${source}"`);
      await click(page, 'stop');
      await until(page, `phase === 'ended'`, 5000, 'the demo to end');
      if (!(await page.evaluate(`!document.getElementById('pictures').hidden && document.activeElement === ${showButton}`))) {
        throw new Error('after the demo the Pictures view is not back where it was');
      }

      // The frame in the caption's time: the module started at its moment (as Show in the demo
      // starts) draws what the native build draws from the packed archive in a whole run, and
      // not what it draws from the samples.
      const startMs = Math.ceil(caption.fromMs / 100) * 100;
      const captureMs = Math.max(startMs + 100, Math.round((caption.fromMs + caption.toMs) / 200) * 100);
      const nativeFolder = join(folder, 'native');
      mkdirSync(nativeFolder);
      copyFileSync(packed, join(nativeFolder, 'Prelo.zpx'));
      for (const file of ['Prelo.moz', 'Prelo.ini', 'Vuvi01.wav']) symlinkSync(join(assets, file), join(nativeFolder, file));
      const range = ['--step', '100', '--stop', String(captureMs + 100), '--capture', String(captureMs)];
      const nativeFrame = (from) => frameLines(execFileSync(nativeRender, ['--assets', from, ...range], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }));
      const [replacedFrame, sampleFrame] = [nativeFrame(nativeFolder), nativeFrame(assets)];
      const harness = await page.browser.open(await page.evaluate(`new URL('harness.html', location.href).href`));
      await harness.until('window.harness !== undefined', 60000, 'the module');
      await harness.evaluate(`harness.folderWith('/edited', '/pack/Prelo.zpx')`);
      const web = await harness.evaluate(`harness.render(${JSON.stringify({ assets: '/edited', stepMs: 100, stopMs: captureMs + 100, capture: String(captureMs), startMs })})`);
      const webFrame = frameLines(web.lines.join('\n'));
      if (web.status !== 0 || webFrame.length !== 1 || webFrame.join() !== replacedFrame.join() || replacedFrame.join() === sampleFrame.join()) {
        throw new Error(`the frame at ${captureMs} ms: browser from ${startMs} ms ${webFrame}, native ${replacedFrame}, samples ${sampleFrame}`);
      }
      return `${tiles.length} pictures; picture ${caption.index} (${caption.role}): a wrong size refused as pack refuses it ("${reason}"); the caption dropped played from ${clockMs} ms, downloaded as pack's archive byte for byte, and its frame at ${captureMs} ms, the module started at ${startMs} ms, hashes as the native build's`;
    },
  },

  offline: {
    async run(page, server, folder, folders) {
      await until(page, 'offline', 60000, 'the page to say it plays without a network');
      const { installabilityErrors: errors } = await page.send('Page.getInstallabilityErrors');
      if (errors.length > 0) throw new Error(`the page does not install as an app: ${JSON.stringify(errors)}`);
      const url = await page.evaluate('location.href');
      // A new build: a new version in the worker and the page's list, and a changed page file.
      const next = join(folder, 'next');
      mkdirSync(next);
      const version = /kSiteVersion = '(\w+)'/.exec(readFileSync(join(site, 'site_files.js'), 'utf8'))[1];
      for (const name of ['sw.js', 'site_files.js']) {
        writeFileSync(join(next, name), readFileSync(join(site, name), 'utf8').replaceAll(version, `${version}next`));
      }
      writeFileSync(join(next, 'page.css'), `${readFileSync(join(site, 'page.css'), 'utf8')}\n/* next build */\n`);
      folders.unshift(next);
      await page.evaluate(`navigator.serviceWorker.getRegistration().then((registration) => registration.update())`);
      await page.until(`navigator.serviceWorker.getRegistration().then((registration) => registration.waiting !== null)`,
        30000, 'the new build\'s worker to install');
      await page.send('Page.close');
      const updated = await page.browser.open(url);
      await until(updated, 'offline', 60000, 'the new build to say it plays without a network');
      const caches = await updated.evaluate('caches.keys()');
      const css = await updated.evaluate(`fetch('page.css').then((response) => response.text())`);
      if (caches.length !== 1 || !caches[0].endsWith(`${version}next`) || !css.includes('next build')) {
        throw new Error(`the new build did not replace the old: caches ${JSON.stringify(caches)}`);
      }
      server.stop();
      const second = await page.browser.open(url);
      await until(second, `phase === 'ready'`, 30000, 'the page to load from the cache');
      await click(second, 'play');
      await until(second, `phase === 'playing' && clockMs > 3000`, 20000, 'the demo to play from the cache');
      const lit = await second.evaluate(kCanvasLit);
      if (lit < 1000) throw new Error(`the canvas is dark (${lit} bright channels)`);
      await click(second, 'stop');
      await until(second, `phase === 'ended'`, 5000, 'the demo to end');
      if (second.errors.length > 0) throw new Error(`the second visit reported errors:\n${second.errors.join('\n')}`);
      return 'installable; a new build replaced the old cache; with the server gone, a second visit loaded and played from it';
    },
  },
};

async function main() {
  const chosen = cases[testCase];
  if (!chosen) {
    console.error(`no case ${testCase}; cases: ${Object.keys(cases).join(', ')}`);
    return 2;
  }
  const launched = await Browser.launch();
  if (launched.skip) {
    console.log(`skipped: ${launched.skip}`);
    return 77;
  }
  const folder = mkdtempSync(join(tmpdir(), 'prelo-web-files-'));
  // The test's own files too, for the harness (a packed archive).
  const folders = [site, kHere, folder];
  const server = await serve(folders, { held: chosen.held });
  const { browser } = launched;
  try {
    const page = await browser.open(`http://127.0.0.1:${server.address().port}${chosen.url ?? '/'}`);
    if (!chosen.watchesLoading && !chosen.url) await until(page, `phase !== 'loading'`, 60000, 'the module to load');
    const said = await chosen.run(page, server, folder, folders);
    if (page.errors.length > 0) throw new Error(`the page reported errors:\n${page.errors.join('\n')}`);
    console.log(`ok ${testCase}: ${said}`);
    return 0;
  } catch (error) {
    console.log(`FAIL ${testCase}: ${error.message}`);
    return 1;
  } finally {
    server.release();
    await browser.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
}

process.exit(await main());
