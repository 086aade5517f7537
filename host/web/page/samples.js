// The bundled sample set, as the site serves it (samples/): the pictures, the settings and the
// music come first, for the demo cannot start without them; then the movie, which the demo shows
// only about a minute in and which fills in while the demo plays.
import { ArrivingFile } from './arriving_file.js';
import { bytesOf, download, streamDownload } from './download.js';
import { kDownloads } from './site_files.js';

export const kSampleFolder = '/samples';
const kPictures = 'samples/Prelo.zpx.gz';
const kSettings = 'samples/Prelo.ini';
const kMusic = 'samples/Vuvi01.flac';
const kMovie = 'samples/Prelo.moz';

export class SampleSet {
  // The bytes to download before the demo can start.
  static get neededBytes() { return bytesOf([kPictures, kSettings, kMusic]); }

  // Starts the downloads needed to play; onBytes(count) hears their bytes as they come. The
  // pictures come after the music, which decodes meanwhile.
  constructor(onBytes) {
    const music = download(kMusic, onBytes);
    this.decoded = music.then(decodeLosslessMusic);
    this.pictures = music.then(() => download(kPictures, onBytes));
    this.settings = download(kSettings, onBytes);
    for (const pending of [this.decoded, this.pictures, this.settings]) pending.catch(() => {});  // told where awaited
    this.movie = new ArrivingFile(kDownloads[kMovie].size);
    this.music = null;  // the decoded music, once placed
  }

  // Writes the set into the module's file system once the files needed to play are in, and
  // fetches the movie from then on.
  async place(FS) {
    const [pictures, settings, { music, wav }] = await Promise.all([this.pictures, this.settings, this.decoded]);
    FS.mkdir(kSampleFolder);
    FS.writeFile(`${kSampleFolder}/Prelo.zpx`, pictures, { canOwn: true });
    FS.writeFile(`${kSampleFolder}/Prelo.ini`, settings, { canOwn: true });
    FS.writeFile(`${kSampleFolder}/Vuvi01.wav`, wav, { canOwn: true });
    this.movie.place(FS, `${kSampleFolder}/Prelo.moz`);
    this.music = music;
    fetchMovie(this.movie);
  }
}

// The movie, into its arriving file. A network that fails is tried again, ever less often, for
// the demo waits for the movie rather than skip it; a server that answers wrongly is not.
async function fetchMovie(movie) {
  for (let attempt = 1; ; ++attempt) {
    try {
      await streamDownload(kMovie, (chunk, offset) => movie.put(chunk, offset));
      return;
    } catch (error) {
      if (!error.network) {
        movie.fail(error);
        return;
      }
      movie.broken = error;
      movie.onChange();
      await new Promise((resolve) => setTimeout(resolve, Math.min(30, 2 * attempt) * 1000));
      movie.broken = null;
    }
  }
}

// The music comes as FLAC, which is lossless: decoded at its own rate it gives back the WAV's very
// samples, from which the WAV the demo's own music player reads is rebuilt byte for byte (a 44-byte
// header and 16-bit samples, as the sample set writes it), and the music plays from the start and
// for the length the demo's clock expects.
async function decodeLosslessMusic(flac) {
  const { rate, channels, bits, frames } = flacStreamInfo(flac);
  if (bits !== 16) throw new Error(`Vuvi01.flac holds ${bits}-bit samples, not the WAV's 16.`);
  const music = await new OfflineAudioContext(channels, 1, rate).decodeAudioData(flac.slice().buffer);
  if (music.length !== frames) throw new Error(`Vuvi01.flac decoded to ${music.length} samples, not its ${frames}.`);
  return { music, wav: waveOf(music) };
}

// After "fLaC" and the block header, STREAMINFO holds block and frame sizes (10 bytes), then 20
// bits of sample rate, 3 of channels - 1, 5 of bits per sample - 1 and 36 of samples per channel.
function flacStreamInfo(bytes) {
  if (bytes.length < 42 || String.fromCharCode(...bytes.subarray(0, 4)) !== 'fLaC') throw new Error('Vuvi01.flac is not FLAC.');
  return {
    rate: (bytes[18] << 12) | (bytes[19] << 4) | (bytes[20] >> 4),
    channels: ((bytes[20] >> 1) & 7) + 1,
    bits: (((bytes[20] & 1) << 4) | (bytes[21] >> 4)) + 1,
    frames: (bytes[21] & 0x0f) * 2 ** 32 + new DataView(bytes.buffer, bytes.byteOffset).getUint32(22),
  };
}

// 16-bit PCM. Browsers give a decoded sample as the WAV's over 32768, or, above zero, over 32767
// (Chromium); only the first leaves every sample times 32768 whole.
function waveOf(music) {
  const channels = music.numberOfChannels;
  const dataBytes = music.length * channels * 2;
  const wav = new Uint8Array(44 + dataBytes);
  const view = new DataView(wav.buffer);
  const text = (at, words) => [...words].forEach((letter, i) => view.setUint8(at + i, letter.charCodeAt(0)));
  text(0, 'RIFF');
  view.setUint32(4, 36 + dataBytes, true);
  text(8, 'WAVEfmt ');
  view.setUint32(16, 16, true);
  view.setUint16(20, 1, true);
  view.setUint16(22, channels, true);
  view.setUint32(24, music.sampleRate, true);
  view.setUint32(28, music.sampleRate * channels * 2, true);
  view.setUint16(32, channels * 2, true);
  view.setUint16(34, 16, true);
  text(36, 'data');
  view.setUint32(40, dataBytes, true);
  const samples = Array.from({ length: channels }, (_, channel) => music.getChannelData(channel));
  const over32768 = samples.every((channel) => channel.every((value) => Number.isInteger(value * 32768)));
  const unscale = over32768 ? (value) => value * 32768 : (value) => Math.round(value * (value < 0 ? 32768 : 32767));
  for (let i = 0, at = 44; i < music.length; ++i) {
    for (const channel of samples) {
      view.setInt16(at, Math.max(-32768, Math.min(32767, unscale(channel[i]))), true);
      at += 2;
    }
  }
  return wav;
}
