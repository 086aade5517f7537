// The page around the demo's WebAssembly module: the canvas it draws into, the Web Audio that
// plays its music and gives it its clock, keys, pause, mute, fullscreen, and the user's own game
// files, which are read here and written only into the module's memory file system.
'use strict';

const kWidth = 640;
const kHeight = 480;
const kSampleFolder = '/samples';
const kUserFolder = '/user';
// The files a game folder holds, by the names the demo opens them by.
const kGameFiles = ['Prelo.zpx', 'Prelo.moz', 'PreloM.moz', 'Vuvi01.wav', 'Prelo.ini'];

// The demo's virtual keys for the page's keys: the jump keys and the cancel keys.
const kDemoKeys = {
  Digit0: 0x30, Digit1: 0x31, Digit2: 0x32, Digit3: 0x33, Digit4: 0x34, Digit5: 0x35, Digit6: 0x36,
  Digit7: 0x37, Digit8: 0x38, Digit9: 0x39, KeyP: 0x50, Space: 0x20, Enter: 0x0d, NumpadEnter: 0x0d,
  Escape: 0x1b,
};
const kMouseKeys = [0x01, 0x04, 0x02];  // left, middle, right button

const $ = (id) => document.getElementById(id);
const canvas = $('screen');
const context2d = canvas.getContext('2d');
const picture = context2d.createImageData(kWidth, kHeight);

const state = {
  phase: 'loading',  // loading, ready, playing, ended, failed
  folder: kSampleFolder,
  userFiles: null,   // names written into kUserFolder, when the user chose files
  audio: null,       // AudioContext, made on the first click
  gain: null,
  music: null,       // the decoded music file
  source: null,      // the playing AudioBufferSourceNode
  musicFromMs: 0,    // the music position at musicStartedAt
  musicStartedAt: 0, // the audio context's time when the music (re)started
  clockFromAudio: true,
  pausedAt: null,    // performance clock of the pause, when the audio clock cannot be suspended
  leftOutMs: 0,
  paused: false,
  muted: false,
  stopRequested: false,
  frames: 0,
  messages: [],
  printed: [],
};

function showMessage(text) {
  state.messages.push(text);
  $('message').textContent = state.messages.join('\n');
}

function clearMessages() {
  state.messages = [];
  $('message').textContent = '';
}

// ---- what the module calls (page_bridge.cpp) ----

function audioClockMs() {
  if (state.clockFromAudio) return state.audio.currentTime * 1000;
  const now = state.pausedAt !== null ? state.pausedAt : performance.now();
  return now - state.leftOutMs;
}

function musicPositionMs() {
  if (state.source === null || state.audio === null) return null;
  const ms = state.musicFromMs + (state.audio.currentTime - state.musicStartedAt) * 1000;
  const length = state.music.duration * 1000;
  return state.source.loop ? ms % length : Math.min(ms, length);
}

function stopMusic() {
  if (state.source !== null) {
    state.source.onended = null;
    state.source.stop();
    state.source.disconnect();
    state.source = null;
  }
}

function playMusic(fromMs, loop) {
  stopMusic();
  if (state.music === null) return;
  const source = state.audio.createBufferSource();
  source.buffer = state.music;
  source.loop = loop;
  source.connect(state.gain);
  const offset = (fromMs / 1000) % state.music.duration;
  source.start(0, offset);
  state.source = source;
  state.musicFromMs = offset * 1000;
  state.musicStartedAt = state.audio.currentTime;
}

function present(rgba) {
  picture.data.set(rgba);
  context2d.putImageData(picture, 0, 0);
  state.frames += 1;
  const position = musicPositionMs();
  $('clock').textContent = position === null ? '' : (position / 1000).toFixed(1) + ' s';
}

// Resolves at the next animation frame that is not paused: 1 goes on, 0 ends the demo.
function waitFrame() {
  return new Promise((resolve) => {
    const next = () => {
      if (state.stopRequested) return resolve(0);
      if (state.paused) return requestAnimationFrame(next);
      resolve(1);
    };
    requestAnimationFrame(next);
  });
}

var Module = {
  page: { present, waitFrame, audioClockMs, playMusic, stopMusic, message: showMessage },
  print: (text) => { state.printed.push(text); },
  printErr: (text) => { console.warn(text); },
  // A module or sample set that cannot load (a page opened from disk rather than served, a
  // broken download) stops the module; say so rather than leave a dark page.
  onAbort: (what) => {
    state.phase = 'failed';
    $('start').hidden = false;
    showMessage('The demo could not be loaded: ' + what);
  },
  onRuntimeInitialized: () => {
    state.phase = 'ready';
    $('play').disabled = false;
    $('play').textContent = 'Click to start';
    resolveReady();
  },
};
let resolveReady;
const ready = new Promise((resolve) => { resolveReady = resolve; });

// ---- audio ----

async function startAudio() {
  if (state.audio === null) {
    state.audio = new AudioContext();
    state.gain = state.audio.createGain();
    state.gain.connect(state.audio.destination);
  }
  await state.audio.resume().catch(() => {});
  // Without a sound device the audio clock may never run; the demo then keeps time on the
  // page's own clock and plays silently.
  if (state.audio.state !== 'running') {
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
  state.clockFromAudio = state.audio.state === 'running';
}

async function decodeMusic(folder) {
  const bytes = Module.FS.readFile(folder + '/Vuvi01.wav');
  try {
    state.music = await state.audio.decodeAudioData(bytes.slice().buffer);
  } catch (error) {
    state.music = null;
    throw new Error('Vuvi01.wav is damaged: it is not a sound file this browser can play.');
  }
}

// ---- the user's own files ----

function canonicalName(name) {
  const base = name.split('/').pop().toLowerCase();
  return kGameFiles.find((known) => known.toLowerCase() === base) || null;
}

// Files still being read; a start waits for them.
let filesTaken = Promise.resolve(true);

function takeUserFiles(fileList) {
  filesTaken = filesTaken.then(() => writeUserFiles(fileList)).catch((error) => {
    showMessage('Your files could not be read: ' + error.message);
    return false;
  });
  return filesTaken;
}

async function writeUserFiles(fileList) {
  const files = Array.from(fileList);
  const found = new Map();
  for (const file of files) {
    const name = canonicalName(file.webkitRelativePath || file.name);
    if (name !== null) found.set(name, file);
  }
  clearMessages();
  const missing = [];
  if (!found.has('Prelo.zpx')) missing.push('Prelo.zpx');
  if (!found.has('Prelo.moz') && !found.has('PreloM.moz')) missing.push('Prelo.moz (or PreloM.moz)');
  if (!found.has('Vuvi01.wav')) missing.push('Vuvi01.wav');
  if (missing.length > 0) {
    showMessage('These files are missing from what you chose: ' + missing.join(', ') + '.');
    return false;
  }
  const FS = Module.FS;
  if (state.userFiles !== null) {
    for (const name of state.userFiles) FS.unlink(kUserFolder + '/' + name);
  } else {
    FS.mkdir(kUserFolder);
  }
  for (const [name, file] of found) {
    FS.writeFile(kUserFolder + '/' + name, new Uint8Array(await file.arrayBuffer()));
  }
  state.userFiles = Array.from(found.keys());
  state.folder = kUserFolder;
  $('source').textContent = 'Plays your files: ' + state.userFiles.join(', ') + '.';
  return true;
}

// ---- playing ----

async function play() {
  if (state.phase === 'playing' || state.phase === 'loading') return;
  clearMessages();
  state.phase = 'playing';
  $('start').hidden = true;
  try {
    await filesTaken;
    await startAudio();
    await decodeMusic(state.folder);
  } catch (error) {
    state.phase = 'failed';
    $('start').hidden = false;
    showMessage(error.message);
    return;
  }
  state.stopRequested = false;
  state.frames = 0;
  setPaused(false);
  canvas.focus();
  const status = await Module.ccall('PreloPlay', 'number', ['string', 'number', 'number', 'number'],
    [state.folder, $('demo-music').checked ? 1 : 0, $('cancel').checked ? 1 : 0, $('loop').checked ? 1 : 0],
    { async: true });
  stopMusic();
  state.phase = status === 0 ? 'ended' : 'failed';
  $('start').hidden = false;
  $('play').textContent = 'Play again';
  if (status === 0) showMessage('The demo has ended.');
  // The demo's own words (in its language) came first; say what they mean for the page.
  if (status === 3) state.messages.unshift('The demo did not start: its files are damaged or incomplete.');
  if (status !== 0) $('message').textContent = state.messages.join('\n');
}

function setPaused(paused) {
  if (state.paused === paused) return;
  state.paused = paused;
  Module._PreloPause(paused ? 1 : 0);
  if (state.audio !== null) {
    if (paused) state.audio.suspend(); else state.audio.resume();
  }
  if (!state.clockFromAudio) {
    if (paused) state.pausedAt = performance.now();
    else if (state.pausedAt !== null) { state.leftOutMs += performance.now() - state.pausedAt; state.pausedAt = null; }
  }
  $('pause').textContent = paused ? 'Resume' : 'Pause';
}

function setMuted(muted) {
  state.muted = muted;
  if (state.gain !== null) state.gain.gain.value = muted ? 0 : 1;
  $('mute').textContent = muted ? 'Unmute' : 'Mute';
}

function toggleFullscreen() {
  if (document.fullscreenElement) document.exitFullscreen();
  else $('stage').requestFullscreen().catch(() => {});
}

// The page's own keys never reach the demo: Ctrl+P does not jump to scene P and Alt+Enter does
// not cancel.
function pageKey(event) {
  if (event.code === 'Pause' || (event.ctrlKey && event.code === 'KeyP')) return () => setPaused(!state.paused);
  if (event.code === 'KeyM' && !event.ctrlKey && !event.altKey) return () => setMuted(!state.muted);
  if (event.code === 'F11' || (event.altKey && event.code === 'Enter')) return toggleFullscreen;
  return null;
}

window.addEventListener('keydown', (event) => {
  const action = pageKey(event);
  if (action !== null) {
    event.preventDefault();
    if (!event.repeat) action();
    return;
  }
  const key = kDemoKeys[event.code];
  if (key !== undefined && state.phase === 'playing') {
    event.preventDefault();
    Module._PreloKey(key, 1);
  }
});
window.addEventListener('keyup', (event) => {
  const key = kDemoKeys[event.code];
  if (key !== undefined && state.phase === 'playing') Module._PreloKey(key, 0);
});
window.addEventListener('blur', () => {
  if (state.phase === 'playing') for (const key of Object.values(kDemoKeys)) Module._PreloKey(key, 0);
});
canvas.addEventListener('mousedown', (event) => {
  if (state.phase === 'playing' && kMouseKeys[event.button]) Module._PreloKey(kMouseKeys[event.button], 1);
});
window.addEventListener('mouseup', (event) => {
  if (state.phase === 'playing' && kMouseKeys[event.button]) Module._PreloKey(kMouseKeys[event.button], 0);
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

$('play').addEventListener('click', play);
$('pause').addEventListener('click', () => setPaused(!state.paused));
$('mute').addEventListener('click', () => setMuted(!state.muted));
$('fullscreen').addEventListener('click', toggleFullscreen);
for (const id of ['folder', 'files']) {
  // Emptied once read, so choosing the same files again (changed since) reads them again.
  $(id).addEventListener('change', async (event) => {
    await takeUserFiles(event.target.files);
    event.target.value = '';
  });
}
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('dragging');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('dragging');
  if (state.phase !== 'playing') droppedFiles(event.dataTransfer).then(takeUserFiles);
});

// The files dropped, and those directly inside a dropped folder.
async function droppedFiles(transfer) {
  const entries = Array.from(transfer.items || []).map((item) => item.webkitGetAsEntry && item.webkitGetAsEntry());
  if (entries.length === 0 || entries.some((entry) => !entry)) return transfer.files;
  const asFile = (entry) => new Promise((resolve, reject) => entry.file(resolve, reject));
  const files = [];
  for (const entry of entries) {
    if (entry.isFile) {
      files.push(await asFile(entry));
    } else if (entry.isDirectory) {
      const reader = entry.createReader();
      for (;;) {
        const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (batch.length === 0) break;
        for (const inner of batch) if (inner.isFile) files.push(await asFile(inner));
      }
    }
  }
  return files;
}

// For the page's tests and benchmark: the state, and the virtual-clock runs.
async function runOnVirtualClock(entry, args) {
  await ready;
  state.printed = [];
  const status = await Module.ccall(entry, 'number', ['string'], [args], { async: true });
  return { status, lines: state.printed.slice() };
}
window.prelo = {
  ready,
  status: () => ({ phase: state.phase, frames: state.frames, musicMs: musicPositionMs(), messages: state.messages.slice(),
    clockFromAudio: state.clockFromAudio }),
  render: (args) => runOnVirtualClock('PreloRender', args),
  benchmark: (args) => runOnVirtualClock('PreloBenchmark', args),
  stop: () => { state.stopRequested = true; },
  takeFiles: takeUserFiles,
};

const moduleScript = document.createElement('script');
moduleScript.src = 'prelo.js';
moduleScript.onerror = () => showMessage('The demo could not be loaded (prelo.js).');
document.body.appendChild(moduleScript);
