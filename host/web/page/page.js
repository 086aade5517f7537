// The page around the demo's WebAssembly module: the start screen and its choices, the canvas the
// demo draws into, the player's controls, and what the page tells the user. The module, the
// sample set, the music, the user's files, the Pictures view, the keys and the offline cache each
// have their own file beside this one.
import { MusicOutput, decodeMusic } from './audio.js';
import { bytesOf } from './download.js';
import { offeredByDrop, offeredByInput, readGameFiles } from './game_files.js';
import { demoKey, demoMouseKey, kAllDemoKeys, pageAction } from './keys.js';
import { loadDemoModule } from './loader.js';
import { isCached, keepOffline } from './offline.js';
import { PictureView } from './pictures.js';
import { SampleSet, kSampleFolder } from './samples.js';

const kUserFolder = '/user';
const kSamples = { folder: kSampleFolder, names: null };

// What each of PreloPlay's results (PlayOutcome in page_play.h) tells the user.
const kOutcomes = new Map([
  [0, { kind: 'note', text: 'The demo has ended.' }],
  [2, { kind: 'error', text: 'The demo could not be loaded.' }],
  [3, { kind: 'error', text: 'The demo did not start: its files are damaged or incomplete.' }],
  [4, { kind: 'error', text: 'The demo stopped part-way: one of its files is damaged or cut short.' }],
]);

const $ = (id) => document.getElementById(id);
const canvas = $('screen');
// Opaque: the demo fills every pixel, and the browser need not keep or blend an alpha channel.
const context2d = canvas.getContext('2d', { alpha: false });
const music = new MusicOutput();

const page = {
  phase: 'loading',  // loading, ready, playing, ended, broken (the module did not load)
  view: 'start',     // what shows when the demo does not play: start, or pictures
  module: null,
  pictures: null,    // the PictureView, once the module is in
  samples: null,     // the bundled SampleSet, its movie still arriving perhaps
  // What Play plays: the samples, the user's files (their names), or nothing (folder null) after
  // a refused choice, so that no file of an earlier choice plays in its place.
  source: kSamples,
  userMusic: null,   // decoded when the user's files were taken
  reading: false,
  paused: false,     // by the user
  held: false,       // the demo's clocks stand still: paused, or waiting for the movie
  stopRequested: false,
  demoWords: [],     // what the demo showed during this play, in its own language
};

// ---- what the page shows ----

function describeSource() {
  if (page.reading) return 'Reading your files…';
  if (page.source.folder === null) return 'Nothing to play: choose your game folder again, or go back to the bundled samples.';
  const replaced = page.pictures !== null && page.pictures.folderFor(page.source.folder) !== page.source.folder
    ? page.pictures.replaced : 0;
  const pictures = replaced === 0 ? '' : ` ${replaced} of its pictures ${replaced === 1 ? 'is' : 'are'} replaced (see Pictures).`;
  if (page.source.names === null) return `Plays the bundled sample set.${pictures}`;
  return `Plays your files: ${page.source.names.join(', ')}.${pictures}`;
}

function update() {
  document.body.dataset.phase = page.phase;
  $('start').hidden = page.phase === 'playing' || page.view !== 'start';
  $('pictures').hidden = page.phase === 'playing' || page.view !== 'pictures';
  const play = $('play');
  play.disabled = ['loading', 'broken', 'playing'].includes(page.phase) || page.reading || page.source.folder === null;
  $('show-pictures').disabled = play.disabled;
  if (page.phase !== 'loading') play.textContent = page.phase === 'ended' ? 'Play again' : 'Click to start';
  $('source').textContent = describeSource();
  $('samples').hidden = page.source === kSamples;
  for (const id of ['pause', 'stop']) $(id).hidden = page.phase !== 'playing';
  $('pause').textContent = page.paused ? 'Resume' : 'Pause';
  $('mute').textContent = music.muted ? 'Unmute' : 'Mute';
}

// One line of the page's own in English, then the demo's own words, if any, as the detail. Only
// failures look like errors.
function say(kind, text, details = []) {
  const box = $('message');
  box.className = kind;
  box.replaceChildren(text);
  if (details.length === 0) return;
  const detail = document.createElement('span');
  detail.className = 'detail';
  detail.lang = 'ja';
  detail.textContent = details.join('\n');
  box.append(detail);
}

function showProgress(loaded, total) {
  $('progress').max = total;
  $('progress').value = loaded;
  const megabytes = (bytes) => (bytes / (1024 * 1024)).toFixed(1);
  $('progress-text').textContent = `${Math.floor((100 * loaded) / total)} % (${megabytes(loaded)} of ${megabytes(total)} MB)`;
}

// While the demo waits for the movie, over the picture: how far the movie has come.
function showNotice() {
  const movie = page.samples.movie;
  const notice = $('notice');
  notice.hidden = !(page.phase === 'playing' && movie.waiting);
  if (notice.hidden) return;
  const percent = Math.floor((100 * movie.through) / movie.size);
  notice.textContent = movie.broken === null
    ? `The movie is still loading (${percent} %): the demo goes on as soon as it is here.`
    : `The movie's download broke off (${movie.broken.message}) and is tried again: the demo goes on as soon as the movie is here.`;
}

function showClock() {
  const position = music.positionMs();
  $('clock').textContent = position === null ? '' : `${(position / 1000).toFixed(1)} s`;
}

// ---- what the module calls (page_bridge.cpp) ----

const hooks = {
  present(rgba) {
    context2d.putImageData(new ImageData(rgba, canvas.width, canvas.height), 0, 0);
    showClock();
  },
  // Resolves at the next animation frame that is not paused: 1 goes on, 0 ends the demo.
  waitFrame() {
    return new Promise((resolve) => {
      const next = () => {
        if (page.stopRequested) return resolve(0);
        if (page.paused) return requestAnimationFrame(next);
        resolve(1);
      };
      requestAnimationFrame(next);
    });
  },
  audioClockMs: () => music.clockMs(),
  playMusic: (fromMs, loop) => music.play(fromMs, loop),
  stopMusic: () => music.stop(),
  message: (text) => page.demoWords.push(text),
};

// The module and the files the samples need to play download side by side; the movie comes after
// them.
const loading = { loaded: 0, total: bytesOf(['prelo.wasm.gz']) + SampleSet.neededBytes };
function countBytes(count) {
  loading.loaded += count;
  showProgress(loading.loaded, loading.total);
}

async function loadDemo() {
  const samples = new SampleSet(countBytes);
  const module = await loadDemoModule({ hooks, onBytes: countBytes });
  await samples.place(module.FS);
  return { module, samples };
}

const moduleLoaded = loadDemo().then(
  ({ module, samples }) => {
    page.module = module;
    page.samples = samples;
    page.pictures = new PictureView(module, $('picture-list'), { onShow: (startMs) => play(startMs), onChange: update });
    samples.movie.onChange = movieChanged;
    page.phase = 'ready';
    update();
    keepOffline();
    return module;
  },
  (error) => {
    page.phase = 'broken';
    say('error', `The demo could not be loaded: ${error.message}`);
    update();
    return null;
  });

// ---- the user's choices ----

// Choices are taken one at a time, in order; Play waits for the last. One that fails in a way
// of its own is said, and the next is taken as if it had not been.
let choosing = Promise.resolve();

function choose(task) {
  choosing = choosing.then(async () => {
    const module = await moduleLoaded;
    if (module === null) return;
    page.reading = true;
    update();
    try {
      await task(module.FS);
    } finally {
      page.reading = false;
      update();
    }
  }).catch((error) => say('error', `Your choice could not be taken: ${error.message}`));
}

// The user's files live in their own folder, emptied at each choice, so that nothing of an
// earlier choice is played with or instead of a later one.
function replaceUserFiles(FS, files) {
  if (!FS.analyzePath(kUserFolder).exists) FS.mkdir(kUserFolder);
  for (const name of FS.readdir(kUserFolder)) {
    if (name !== '.' && name !== '..') FS.unlink(`${kUserFolder}/${name}`);
  }
  for (const [name, bytes] of files) FS.writeFile(`${kUserFolder}/${name}`, bytes);
}

// A choice is read and its music decoded before it replaces the previous one; a refused choice
// leaves nothing to play but says why.
async function takeOffers(FS, offers) {
  say('note', '');
  try {
    const files = await readGameFiles(await offers);
    page.userMusic = await decodeMusic(files.get('Vuvi01.wav'));
    page.pictures.close();
    replaceUserFiles(FS, files);
    page.source = { folder: kUserFolder, names: [...files.keys()] };
  } catch (error) {
    page.pictures.close();
    replaceUserFiles(FS, new Map());
    page.userMusic = null;
    page.source = { folder: null, names: null };
    say('error', error.message);
  }
}

function backToSamples(FS) {
  page.pictures.close();
  replaceUserFiles(FS, new Map());
  page.userMusic = null;
  page.source = kSamples;
  say('note', '');
}

// ---- playing ----

// The demo's clocks stand still while the user pauses and while it waits for the movie.
function holdDemo() {
  const held = page.phase === 'playing' && (page.paused || page.samples.movie.waiting);
  if (held === page.held) return;
  page.held = held;
  page.module._PreloPause(held ? 1 : 0);
  music.setPaused(held);
}

function movieChanged() {
  holdDemo();
  showNotice();
  if (page.samples.movie.complete) sayWhenOffline();
}

// Once the movie, the last file, has passed into the service worker's cache.
let offlineChecked = false;
async function sayWhenOffline() {
  if (offlineChecked) return;
  offlineChecked = true;
  for (let tries = 0; tries < 20; ++tries) {
    if (await isCached('samples/Prelo.moz')) {
      $('offline').hidden = false;
      return;
    }
    await new Promise((resolve) => setTimeout(resolve, 250));
  }
}

// Plays the demo from its start, or from startMs of music time with the host's music (a picture's
// "Show in the demo"); the focus goes back where it was.
async function play(startMs = 0) {
  await choosing;
  if (!['ready', 'ended'].includes(page.phase) || page.source.folder === null) return;
  const focused = document.activeElement;
  Object.assign(page, { phase: 'playing', paused: false, stopRequested: false, demoWords: [] });
  const movie = page.source === kSamples ? page.samples.movie : null;
  const refusedBefore = movie?.refused;
  say('note', '');
  update();
  let outcome;
  try {
    await music.start(page.source === kSamples ? page.samples.music : page.userMusic);
    canvas.focus();
    outcome = await page.module.ccall('PreloPlay', 'number', ['string', 'number', 'number', 'number', 'number'],
      [page.pictures.folderFor(page.source.folder), $('demo-music').checked && startMs === 0 ? 1 : 0,
        $('cancel').checked ? 1 : 0, $('loop').checked ? 1 : 0, startMs], { async: true });
  } catch (error) {
    outcome = error;
  }
  music.stop();
  Object.assign(page, { phase: 'ended', paused: false, held: false });
  $('clock').textContent = '';
  showNotice();
  if (outcome instanceof Error) {
    say('error', `The demo could not play: ${outcome.message}`);
  } else if (movie !== null && movie.refused > refusedBefore) {
    // A read of the movie was told its bytes would not come, and the demo ended there: the
    // download failed, or the user stopped the demo while it waited.
    if (movie.failure === null) say('note', kOutcomes.get(0).text); else say('error', movie.failure.message);
  } else {
    const { kind, text } = kOutcomes.get(outcome);
    say(kind, text, page.demoWords);
  }
  update();
  (focused !== canvas && focused?.isConnected && !focused.closest('[hidden]') ? focused : $('play')).focus();
}

function setPaused(paused) {
  if (page.phase !== 'playing' || page.paused === paused) return;
  page.paused = paused;
  holdDemo();
  update();
}

function toggleFullscreen() {
  if (document.fullscreenElement) document.exitFullscreen();
  else $('stage').requestFullscreen().catch(() => {});
}

const pageActions = {
  pause: () => setPaused(!page.paused),
  mute: () => {
    music.setMuted(!music.muted);
    update();
  },
  fullscreen: toggleFullscreen,
  // A stop while the demo waits for the movie ends the wait: the demo takes it for a read that
  // failed, and ends.
  stop: () => {
    page.stopRequested = true;
    page.samples.movie.cancelWaits();
  },
};

// ---- events ----

$('late').remove();
$('play').addEventListener('click', () => play());
$('samples').addEventListener('click', () => choose(backToSamples));
$('choose-folder').addEventListener('click', () => $('folder').click());
$('choose-files').addEventListener('click', () => $('files').click());
$('show-pictures').addEventListener('click', () => choose(async () => {
  page.pictures.open(page.source.folder);
  page.view = 'pictures';
  update();
  $('pictures-back').focus();
}));
$('pictures-back').addEventListener('click', () => {
  page.view = 'start';
  update();
  $('show-pictures').focus();
});
$('download').addEventListener('click', () => page.pictures.download());
for (const id of ['folder', 'files']) {
  $(id).addEventListener('change', (event) => {
    const offers = offeredByInput(event.target.files);
    // Emptied, so that choosing the same files again (changed since) reads them again.
    event.target.value = '';
    choose((FS) => takeOffers(FS, offers));
  });
}
// After a click on a player button the keys go back to the demo; from the keyboard, the focus
// stays where the user took it.
for (const id of ['pause', 'mute', 'fullscreen', 'stop']) {
  $(id).addEventListener('click', (event) => {
    pageActions[id]();
    if (event.detail > 0 && page.phase === 'playing') canvas.focus();
  });
}

window.addEventListener('keydown', (event) => {
  const action = pageAction(event);
  if (action !== null) {
    event.preventDefault();
    if (!event.repeat) pageActions[action]();
    return;
  }
  const key = page.phase === 'playing' ? demoKey(event) : undefined;
  if (key === undefined) return;
  event.preventDefault();
  page.module._PreloKey(key, 1);
});
window.addEventListener('keyup', (event) => {
  const key = page.phase === 'playing' ? demoKey(event) : undefined;
  if (key !== undefined) page.module._PreloKey(key, 0);
});
window.addEventListener('blur', () => {
  if (page.phase === 'playing') for (const key of kAllDemoKeys) page.module._PreloKey(key, 0);
});
canvas.addEventListener('mousedown', (event) => {
  const key = demoMouseKey(event.button);
  if (page.phase === 'playing' && key !== undefined) page.module._PreloKey(key, 1);
});
window.addEventListener('mouseup', (event) => {
  const key = demoMouseKey(event.button);
  if (page.phase === 'playing' && key !== undefined) page.module._PreloKey(key, 0);
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('dragging');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('dragging');
  // A picture dropped beside the pictures is not a choice of game files.
  if (page.phase === 'playing' || page.view === 'pictures') return;
  const offers = offeredByDrop(event.dataTransfer);
  choose((FS) => takeOffers(FS, offers));
});
