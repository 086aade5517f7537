// What each compressed form of the music saves, and how exactly headless Chromium's Web Audio
// decodes it back: its length and its start against the WAV's, in samples, and how far its
// samples stray from the WAV's once aligned. The music's play position is the demo's clock, so a
// form that decodes late or long shifts the picture against the sound.
// usage: node --experimental-websocket music_formats.mjs [WAV] (default build/native/assets/Vuvi01.wav)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Browser, serve } from './browser.mjs';

const [wav = 'build/native/assets/Vuvi01.wav'] = process.argv.slice(2);
const kCandidates = [
  ['flac', 'FLAC (lossless)', ['-c:a', 'flac', '-compression_level', '12']],
  ['mp3', 'MP3 64 kbit/s', ['-c:a', 'libmp3lame', '-b:a', '64k']],
  ['m4a', 'AAC 64 kbit/s', ['-c:a', 'aac', '-b:a', '64k']],
  ['ogg', 'Vorbis q 4', ['-c:a', 'libvorbis', '-q:a', '4']],
  ['opus', 'Opus 48 kbit/s', ['-c:a', 'libopus', '-b:a', '48k']],
];

// In the page: each file decoded at the WAV's rate; the lag (within a second either way) at which
// a stretch of the decoded music best matches the WAV's, and the largest difference once aligned.
const kMeasure = `async (names) => {
  const decode = async (name, rate) => {
    const bytes = await (await fetch(name)).arrayBuffer();
    return (await new OfflineAudioContext(1, 1, rate).decodeAudioData(bytes)).getChannelData(0);
  };
  const rate = new DataView(await (await fetch('music.wav')).arrayBuffer()).getUint32(24, true);
  const reference = await decode('music.wav', rate);
  const from = rate * 5, span = rate * 2;
  const results = {};
  for (const name of names) {
    const decoded = await decode(name, rate);
    let best = { lag: 0, score: -Infinity };
    for (let lag = -rate; lag <= rate; ++lag) {
      let score = 0;
      for (let i = from; i < from + span; i += 4) score += reference[i] * (decoded[i + lag] ?? 0);
      if (score > best.score) best = { lag, score };
    }
    let worst = 0;
    for (let i = Math.max(0, -best.lag); i < reference.length && i + best.lag < decoded.length; ++i) {
      worst = Math.max(worst, Math.abs(reference[i] - decoded[i + best.lag]));
    }
    results[name] = { length: decoded.length, lag: best.lag, worst: Math.round(worst * 32768) };
  }
  return { rate, length: reference.length, results };
}`;

const folder = mkdtempSync(join(tmpdir(), 'prelo-music-'));
const launched = await Browser.launch();
if (launched.skip) {
  console.log(`skipped: ${launched.skip}`);
  process.exit(77);
}
const server = await serve([folder]);
try {
  execFileSync('ffmpeg', ['-v', 'error', '-i', wav, '-c', 'copy', join(folder, 'music.wav')]);
  for (const [extension, , codec] of kCandidates) {
    execFileSync('ffmpeg', ['-v', 'error', '-i', wav, ...codec, '-fflags', '+bitexact', join(folder, `music.${extension}`)]);
  }
  writeFileSync(join(folder, 'index.html'), '<!doctype html><title>music</title>');
  const page = await launched.browser.open(`http://127.0.0.1:${server.address().port}/`);
  const names = kCandidates.map(([extension]) => `music.${extension}`);
  const { rate, length, results } = await page.evaluate(`(${kMeasure})(${JSON.stringify(names)})`);
  const wavBytes = statSync(wav).size;
  console.log(`the WAV: ${wavBytes} bytes, ${length} samples at ${rate} Hz`);
  console.log('form              bytes    of the WAV  length (samples)  starts late by  largest difference (of 32768)');
  for (const [extension, label] of kCandidates) {
    const bytes = statSync(join(folder, `music.${extension}`)).size;
    const { length: decoded, lag, worst } = results[`music.${extension}`];
    console.log(`${label.padEnd(16)}${String(bytes).padStart(8)}  ${`${((100 * bytes) / wavBytes).toFixed(1)} %`.padStart(10)}` +
      `  ${`${decoded - length >= 0 ? '+' : ''}${decoded - length}`.padStart(16)}  ${String(lag).padStart(14)}  ${String(worst).padStart(8)}`);
  }
} finally {
  await launched.browser.close();
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
