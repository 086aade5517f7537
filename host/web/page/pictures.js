// The Pictures view: every picture of the archive the page plays, with what it is and when the
// demo shows it, and the PNG files the user puts in their place. The module checks each one and
// writes the archive with them by the asset tool's own code (picture_exports.cpp), so the page
// takes what `prelo-assets pack` takes and the archive it saves is the one pack writes. Nothing
// leaves the page: the archive goes to the demo through the module's file system and to the
// user's disk as a download made here.

const kEditedFolder = '/edited';
const kArchive = 'Prelo.zpx';
const kOffered = '/offered.png';
// Far beyond any picture of the demo's (the largest is 640 x 1900): a bigger file is a mistake,
// not read into the tab.
const kMaxPngBytes = 64 * 1024 * 1024;

const seconds = (ms) => (ms / 1000).toFixed(1);

// Lines of tab-separated fields, as the module answers.
function rows(text) {
  return text.split('\n').filter((line) => line !== '').map((line) => line.split('\t'));
}

export class PictureView {
  // list: the element the pictures go in; onShow(startMs) plays the demo from that music time;
  // onChange() is told when the pictures replaced change.
  constructor(module, list, { onShow, onChange }) {
    this.module = module;
    this.list = list;
    this.onShow = onShow;
    this.onChange = onChange;
    this.source = null;    // the folder whose archive is open, or null
    this.replaced = 0;
    this.roles = new Map(rows(this.call('PreloPictureRoles')).reduce((byIndex, [index, scene, fromMs, toMs, role]) => {
      const windows = byIndex.get(index) ?? [];
      windows.push({ scene: Number(scene), fromMs: Number(fromMs), toMs: Number(toMs), role });
      return byIndex.set(index, windows);
    }, new Map()));
  }

  call(name, types = [], values = []) {
    return this.module.ccall(name, 'string', types, values);
  }

  // The folder to play: the source's own, or a copy of it with the archive replaced.
  folderFor(source) {
    return this.source === source && this.replaced > 0 ? kEditedFolder : source;
  }

  // Opens the archive of the folder the page plays, unless it is open already; the pictures
  // replaced in another folder's archive are forgotten. Throws with why it cannot be read.
  open(source) {
    if (this.source === source) return;
    this.source = null;
    this.replaced = 0;
    this.list.replaceChildren();
    const FS = this.module.FS;
    const why = this.call('PreloPicturesOpen', ['string'], [`${source}/${kArchive}`]);
    if (why !== '') throw new Error(why);
    // The other files of the folder beside the edited archive, under their own names.
    if (FS.analyzePath(kEditedFolder).exists) {
      for (const name of FS.readdir(kEditedFolder)) if (name !== '.' && name !== '..') FS.unlink(`${kEditedFolder}/${name}`);
    } else {
      FS.mkdir(kEditedFolder);
    }
    for (const name of FS.readdir(source)) {
      if (!['.', '..', kArchive].includes(name)) FS.symlink(`${source}/${name}`, `${kEditedFolder}/${name}`);
    }
    this.source = source;
    for (const [index, format, width, height] of rows(this.call('PreloPictureList'))) {
      this.list.append(this.tile(Number(index), format, Number(width), Number(height)));
    }
    this.changed();
  }

  // Forgets the archive and its replacements: the page plays another folder now.
  close() {
    this.source = null;
    this.replaced = 0;
    this.list.replaceChildren();
  }

  // The archive with the replacements, as a file the browser saves.
  download() {
    const bytes = this.module.FS.readFile(this.replaced > 0 ? `${kEditedFolder}/${kArchive}` : `${this.source}/${kArchive}`);
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = kArchive;
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  tile(index, format, width, height) {
    const item = document.createElement('li');
    item.className = 'picture';
    item.dataset.index = index;
    const name = `cg_${String(index).padStart(3, '0')}.png`;
    const canvas = Object.assign(document.createElement('canvas'), { width, height });
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', `picture ${index}`);
    const facts = document.createElement('p');
    facts.className = 'facts';
    facts.textContent = `${index} · ${format} · ${width} × ${height}`;
    const windows = this.roles.get(String(index)) ?? [];
    const role = document.createElement('p');
    role.className = 'role';
    role.textContent = windows.length === 0 ? 'not loaded by any scene'
      : windows.map((shown) => `scene ${shown.scene}${shown.toMs > shown.fromMs
        ? `, ${seconds(shown.fromMs)}–${seconds(shown.toMs)} s` : ''}: ${shown.role}`).join('; ');
    const verdict = document.createElement('p');
    verdict.className = 'verdict';
    verdict.setAttribute('role', 'status');

    const chooser = Object.assign(document.createElement('input'), { type: 'file', accept: 'image/png,.png', hidden: true, tabIndex: -1 });
    const replace = this.button(`Replace ${name}…`, 'Replace…', () => chooser.click());
    const shownAt = windows.find((shown) => shown.toMs > shown.fromMs);
    const show = this.button(`Show picture ${index} in the demo`, 'Show in the demo', () => this.onShow(shownAt.fromMs));
    show.disabled = shownAt === undefined;
    const undo = this.button(`Put back picture ${index}`, 'Put back', () => this.restore(index, item));
    undo.hidden = true;
    chooser.addEventListener('change', () => {
      const [file] = chooser.files;
      chooser.value = '';
      if (file) this.take(index, file, item);
    });
    item.addEventListener('dragover', (event) => {
      event.preventDefault();
      event.stopPropagation();
      item.classList.add('dropping');
    });
    item.addEventListener('dragleave', () => item.classList.remove('dropping'));
    item.addEventListener('drop', (event) => {
      event.preventDefault();
      event.stopPropagation();
      item.classList.remove('dropping');
      const [file] = event.dataTransfer.files;
      if (file) this.take(index, file, item);
    });
    const buttons = document.createElement('p');
    buttons.className = 'buttons';
    buttons.append(replace, show, undo, chooser);
    item.append(canvas, facts, role, buttons, verdict);
    this.draw(index, item);
    return item;
  }

  button(label, text, act) {
    const button = Object.assign(document.createElement('button'), { type: 'button', textContent: text });
    button.setAttribute('aria-label', label);
    button.addEventListener('click', act);
    return button;
  }

  draw(index, item) {
    const canvas = item.querySelector('canvas');
    const pointer = this.module.ccall('PreloPicturePixels', 'number', ['number'], [index]);
    if (pointer === 0) return;
    const rgba = new Uint8ClampedArray(this.module.HEAPU8.buffer, pointer, canvas.width * canvas.height * 4);
    canvas.getContext('2d').putImageData(new ImageData(rgba, canvas.width, canvas.height), 0, 0);
  }

  // A PNG offered for the picture at index: taken, or refused with pack's reason on its tile.
  async take(index, file, item) {
    const verdict = item.querySelector('.verdict');
    let refusal;
    if (file.size > kMaxPngBytes) {
      refusal = `${file.name} is ${Math.round(file.size / (1024 * 1024))} MB, far larger than any picture of the demo: it was not read.`;
    } else {
      try {
        this.module.FS.writeFile(kOffered, new Uint8Array(await file.arrayBuffer()));
        refusal = this.call('PreloPictureReplace', ['number', 'string', 'string'], [index, file.name, kOffered]);
        this.module.FS.unlink(kOffered);
      } catch (error) {
        refusal = `${file.name} could not be read: ${error.message}`;
      }
    }
    if (refusal !== '') {
      verdict.className = 'verdict error';
      verdict.textContent = `Refused: ${refusal}`;
      return;
    }
    verdict.className = 'verdict';
    verdict.textContent = `Replaced by ${file.name}.`;
    item.classList.add('replaced');
    item.querySelector('button[aria-label^="Put back"]').hidden = false;
    this.draw(index, item);
    this.changed();
  }

  restore(index, item) {
    this.module.ccall('PreloPictureRestore', null, ['number'], [index]);
    item.classList.remove('replaced');
    item.querySelector('.verdict').textContent = '';
    item.querySelector('button[aria-label^="Put back"]').hidden = true;
    this.draw(index, item);
    this.changed();
  }

  // Writes the edited archive for the demo, and tells the page.
  changed() {
    this.replaced = rows(this.call('PreloPictureList')).filter((fields) => fields[4] === '1').length;
    if (this.replaced > 0) {
      const why = this.call('PreloPicturesWrite', ['string'], [`${kEditedFolder}/${kArchive}`]);
      if (why !== '') throw new Error(why);
    }
    this.onChange();
  }
}
