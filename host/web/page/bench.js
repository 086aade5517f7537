// Plays the demo on the virtual clock as fast as the browser draws it and reports each scene's
// frames per second; window.benchResult holds them for a driver.
'use strict';

const printed = [];
const canvas = document.getElementById('screen');
const context2d = canvas.getContext('2d');
const picture = context2d.createImageData(640, 480);
var Module = {
  page: {
    present: (rgba) => {
      picture.data.set(rgba);
      context2d.putImageData(picture, 0, 0);
    },
  },
  print: (text) => printed.push(text),
  printErr: (text) => console.warn(text),
  onRuntimeInitialized: async () => {
    const status = await Module.ccall('PreloBenchmark', 'number', ['string'],
      ['--assets /samples --step 16 --stop 125000'], { async: true });
    const scenes = printed.filter((line) => line.startsWith('scene ')).map((line) => {
      const [, scene, fps] = line.split(' ');
      return { scene: Number(scene), fps: Number(fps) };
    });
    window.benchResult = { status, scenes };
    document.getElementById('result').textContent = status !== 0 ? `the demo did not run (status ${status})`
      : scenes.map(({ scene, fps }) => `scene ${String(scene).padStart(2)}  ${String(fps).padStart(6)} fps`).join('\n');
  },
};
const moduleScript = document.createElement('script');
moduleScript.src = 'prelo.js';
document.body.appendChild(moduleScript);
