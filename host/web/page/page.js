// The page around the demo's WebAssembly module: the start screen and its choices, the canvas the
// demo draws into, the player's controls, and what the page tells the user. The module, the music,
// the user's files and the keys each have their own file beside this one.
import { MusicOutput, decodeMusic } from './audio.js';
import { offeredByDrop, offeredByInput, readGameFiles } from './game_files.js';
import { demoKey, demoMouseKey, kAllDemoKeys, pageAction } from './keys.js';
import { loadDemoModule } from './loader.js';

const kSampleFolder = '/samples';
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
const context2d = canvas.getContext('2d');
const picture = context2d.createImageData(canvas.width, canvas.height);
const music = new MusicOutput();

const page = {
  phase: 'loading',  // loading, ready, playing, ended, broken (the module did not load)
  module: null,
  // What Play plays: the samples, the user's files (their names), or nothing (folder null) after
  // a refused choice, so that no file of an earlier choice plays in its place.
  source: kSamples,
  sampleMusic: null, // decoded on the first play of the samples
  userMusic: null,   // decoded when the user's files were taken
  reading: false,
  paused: false,
  stopRequested: false,
  demoWords: [],     // what the demo showed during this play, in its own language
};

// ---- what the page shows ----

function describeSource() {
  if (page.reading) return 'Reading your files…';
  if (page.source.folder === null) return 'Nothing to play: choose your game folder again, or go back to the bundled samples.';
  if (page.source.names === null) return 'Plays the bundled sample set.';
  return `Plays your files: ${page.source.names.join(', ')}.`;
}

function update() {
  document.body.dataset.phase = page.phase;
  $('start').hidden = page.phase === 'playing';
  const play = $('play');
  play.disabled = ['loading', 'broken', 'playing'].includes(page.phase) || page.reading || page.source.folder === null;
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

function showClock() {
  const position = music.positionMs();
  $('clock').textContent = position === null ? '' : `${(position / 1000).toFixed(1)} s`;
}

// ---- what the module calls (page_bridge.cpp) ----

const hooks = {
  present(rgba) {
    picture.data.set(rgba);
    context2d.putImageData(picture, 0, 0);
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

const moduleLoaded = loadDemoModule(hooks, showProgress).then(
  (module) => {
    page.module = module;
    page.phase = 'ready';
    update();
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
    replaceUserFiles(FS, files);
    page.source = { folder: kUserFolder, names: [...files.keys()] };
  } catch (error) {
    replaceUserFiles(FS, new Map());
    page.userMusic = null;
    page.source = { folder: null, names: null };
    say('error', error.message);
  }
}

function backToSamples(FS) {
  replaceUserFiles(FS, new Map());
  page.userMusic = null;
  page.source = kSamples;
  say('note', '');
}

// ---- playing ----

async function musicToPlay() {
  if (page.source !== kSamples) return page.userMusic;
  page.sampleMusic ??= await decodeMusic(page.module.FS.readFile(`${kSampleFolder}/Vuvi01.wav`));
  return page.sampleMusic;
}

async function play() {
  await choosing;
  if (!['ready', 'ended'].includes(page.phase) || page.source.folder === null) return;
  Object.assign(page, { phase: 'playing', paused: false, stopRequested: false, demoWords: [] });
  say('note', '');
  update();
  let outcome;
  try {
    await music.start(await musicToPlay());
    canvas.focus();
    outcome = await page.module.ccall('PreloPlay', 'number', ['string', 'number', 'number', 'number'],
      [page.source.folder, $('demo-music').checked ? 1 : 0, $('cancel').checked ? 1 : 0, $('loop').checked ? 1 : 0],
      { async: true });
  } catch (error) {
    outcome = error;
  }
  music.stop();
  Object.assign(page, { phase: 'ended', paused: false });
  $('clock').textContent = '';
  if (outcome instanceof Error) {
    say('error', `The demo could not play: ${outcome.message}`);
  } else {
    const { kind, text } = kOutcomes.get(outcome);
    say(kind, text, page.demoWords);
  }
  update();
  $('play').focus();
}

function setPaused(paused) {
  if (page.phase !== 'playing' || page.paused === paused) return;
  page.paused = paused;
  page.module._PreloPause(paused ? 1 : 0);
  music.setPaused(paused);
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
  stop: () => {
    page.stopRequested = true;
  },
};

// ---- events ----

$('late').remove();
$('play').addEventListener('click', play);
$('samples').addEventListener('click', () => choose(backToSamples));
$('choose-folder').addEventListener('click', () => $('folder').click());
$('choose-files').addEventListener('click', () => $('files').click());
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
  if (page.phase === 'playing') return;
  const offers = offeredByDrop(event.dataTransfer);
  choose((FS) => takeOffers(FS, offers));
});
