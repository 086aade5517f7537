// The music through Web Audio. Its play position is the demo's clock, so pausing suspends the
// audio and the demo stands still with it.

// Decodes a music file without waking the sound device (no click is needed to check a file);
// the buffer plays in any context, which resamples it to the device's rate.
export async function decodeMusic(bytes) {
  const decoder = new OfflineAudioContext(2, 1, 48000);
  try {
    // Decoding takes its buffer away; the bytes stay the caller's for the demo to read.
    return await decoder.decodeAudioData(bytes.slice().buffer);
  } catch {
    throw new Error('Vuvi01.wav is damaged: it is not a sound file this browser can play.');
  }
}

export class MusicOutput {
  constructor() {
    this.context = null;  // made on the first start, inside the click that asks for sound
    this.gain = null;
    this.music = null;    // the decoded music of the current play
    this.source = null;   // the playing AudioBufferSourceNode
    this.fromMs = 0;      // the music position at startedAt
    this.startedAt = 0;   // the context's time when the music (re)started
    this.clockFromAudio = true;
    this.pausedAt = null; // the page's clock at the pause, when the audio clock does not run
    this.leftOutMs = 0;
    this.muted = false;
  }

  // Wakes the sound for a play of music. Without a sound device the audio clock may never run;
  // the demo then keeps time on the page's own clock and plays silently.
  async start(music) {
    this.music = music;
    if (this.context === null) {
      this.context = new AudioContext();
      this.gain = this.context.createGain();
      this.gain.connect(this.context.destination);
      this.setMuted(this.muted);
    }
    await this.context.resume().catch(() => {});
    if (this.context.state !== 'running') await new Promise((resolve) => setTimeout(resolve, 200));
    this.clockFromAudio = this.context.state === 'running';
    this.pausedAt = null;
  }

  clockMs() {
    if (this.clockFromAudio) return this.context.currentTime * 1000;
    return (this.pausedAt !== null ? this.pausedAt : performance.now()) - this.leftOutMs;
  }

  // Where the music stands, or null while none plays.
  positionMs() {
    if (this.source === null) return null;
    const ms = this.fromMs + (this.context.currentTime - this.startedAt) * 1000;
    const length = this.music.duration * 1000;
    return this.source.loop ? ms % length : Math.min(ms, length);
  }

  play(fromMs, loop) {
    this.stop();
    if (this.music === null) return;
    const source = this.context.createBufferSource();
    source.buffer = this.music;
    source.loop = loop;
    source.connect(this.gain);
    const offset = (fromMs / 1000) % this.music.duration;
    source.start(0, offset);
    this.source = source;
    this.fromMs = offset * 1000;
    this.startedAt = this.context.currentTime;
  }

  stop() {
    if (this.source === null) return;
    this.source.stop();
    this.source.disconnect();
    this.source = null;
  }

  setPaused(paused) {
    if (this.context === null) return;
    if (paused) this.context.suspend(); else this.context.resume();
    if (this.clockFromAudio) return;
    if (paused) {
      this.pausedAt = performance.now();
    } else if (this.pausedAt !== null) {
      this.leftOutMs += performance.now() - this.pausedAt;
      this.pausedAt = null;
    }
  }

  setMuted(muted) {
    this.muted = muted;
    if (this.gain !== null) this.gain.gain.value = muted ? 0 : 1;
  }
}
