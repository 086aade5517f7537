// The module's virtual-clock runs (the frame hashes and the benchmark), for the tests and the
// benchmark only: served beside the site by the test server, never part of it.
// window.harness.run(entry, arguments) resolves with { status, lines } (what the run printed).
import createPreloModule from './prelo.js';

const printed = [];
const context2d = document.getElementById('screen').getContext('2d');
const picture = context2d.createImageData(640, 480);
const module = await createPreloModule({
  page: {
    present: (rgba) => {
      picture.data.set(rgba);
      context2d.putImageData(picture, 0, 0);
    },
  },
  print: (text) => printed.push(text),
  printErr: (text) => console.warn(text),
});

window.harness = {
  async run(entry, args) {
    printed.length = 0;
    const status = await module.ccall(entry, 'number', ['string'], [args], { async: true });
    return { status, lines: printed.slice() };
  },
};
document.getElementById('result').textContent = 'Ready.';
