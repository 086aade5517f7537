// The user's own game files: which of the files they offered count, and their bytes. Nothing here
// touches the page or the module, so a choice is read whole (or refused) before anything that
// played before is replaced. Refusals are errors whose message is what to tell the user.

// The files a game folder holds, by the names the demo opens them by, with a size no real one
// comes near: several times the largest the game's formats make sense for. A bigger file is a
// mistake (a disk image, a video) that would only fill the tab's memory, so it is refused unread.
const kMiB = 1024 * 1024;
const kGameFiles = [
  { name: 'Prelo.zpx', maxBytes: 256 * kMiB },
  { name: 'Prelo.moz', maxBytes: 512 * kMiB },
  { name: 'PreloM.moz', maxBytes: 128 * kMiB },
  { name: 'Vuvi01.wav', maxBytes: 256 * kMiB },
  { name: 'Prelo.ini', maxBytes: 64 * 1024 },
];

// An offered file is { file, path, depth }: the File, its path within what was chosen, and its
// depth there (0 for a file chosen itself or lying directly in the chosen or dropped folder).

// The files of a file input: a folder input names each file below the chosen folder's own name.
export function offeredByInput(fileList) {
  return Array.from(fileList, (file) => {
    const path = file.webkitRelativePath || file.name;
    return { file, path, depth: Math.max(0, path.split('/').length - 2) };
  });
}

// The files dropped, and those directly inside a dropped folder; deeper ones never count, so
// they are not even listed. The drop's items are taken before the first wait, while the drop
// event still lends them.
export async function offeredByDrop(transfer) {
  const entries = Array.from(transfer.items || [], (item) => item.webkitGetAsEntry && item.webkitGetAsEntry());
  const files = Array.from(transfer.files);
  if (entries.length === 0 || entries.some((entry) => !entry)) {
    return files.map((file) => ({ file, path: file.name, depth: 0 }));
  }
  const asFile = (entry) => new Promise((resolve, reject) => entry.file(resolve, reject));
  const offers = [];
  for (const entry of entries) {
    if (entry.isFile) {
      offers.push({ file: await asFile(entry), path: entry.name, depth: 0 });
    } else if (entry.isDirectory) {
      const reader = entry.createReader();
      for (;;) {
        const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (batch.length === 0) break;
        for (const inner of batch) {
          if (inner.isFile) offers.push({ file: await asFile(inner), path: `${entry.name}/${inner.name}`, depth: 0 });
        }
      }
    }
  }
  return offers;
}

function gameFileNamed(path) {
  const base = path.split('/').pop().toLowerCase();
  return kGameFiles.find((known) => known.name.toLowerCase() === base) || null;
}

// For each game file, the one offered at the top level (where a folder holds the name in two
// letter cases, the exact one wins, as on Windows), and where the deeper ones lie.
function pickTopLevel(offers) {
  const picked = new Map();
  const deeper = new Map();
  for (const offer of offers) {
    const known = gameFileNamed(offer.path);
    if (known === null) continue;
    if (offer.depth > 0) {
      if (!deeper.has(known.name)) deeper.set(known.name, offer.path);
      continue;
    }
    const held = picked.get(known.name);
    if (held === undefined || (offer.file.name === known.name && held.file.name !== known.name)) {
      picked.set(known.name, { file: offer.file, known });
    }
  }
  return { picked, deeper };
}

function describeMissing(picked, deeper) {
  const lacks = (name) => !picked.has(name);
  const missing = [];
  if (lacks('Prelo.zpx')) missing.push('Prelo.zpx');
  if (lacks('Prelo.moz') && lacks('PreloM.moz')) missing.push('Prelo.moz (or PreloM.moz)');
  if (lacks('Vuvi01.wav')) missing.push('Vuvi01.wav');
  if (missing.length === 0) return null;
  let text = `These files are missing from what you chose: ${missing.join(', ')}.`;
  const below = [...deeper].filter(([name]) => lacks(name)).map(([, path]) => path);
  if (below.length > 0) text += ` Only the files at the top of a folder count: choose the folder that holds ${below.join(', ')}.`;
  return text;
}

function formatSize(bytes) {
  return bytes >= 1024 * kMiB ? `${(bytes / (1024 * kMiB)).toFixed(1)} GB` : `${Math.round(bytes / kMiB)} MB`;
}

// The chosen game files' bytes by the demo's names; throws an error saying what is wrong.
export async function readGameFiles(offers) {
  const { picked, deeper } = pickTopLevel(offers);
  const missing = describeMissing(picked, deeper);
  if (missing !== null) throw new Error(missing);
  for (const { file, known } of picked.values()) {
    if (file.size > known.maxBytes) {
      throw new Error(`${file.name} is ${formatSize(file.size)}, far larger than any game's ${known.name}: it was not read.`);
    }
  }
  const bytes = new Map();
  for (const { file, known } of picked.values()) {
    try {
      bytes.set(known.name, new Uint8Array(await file.arrayBuffer()));
    } catch (error) {
      throw new Error(`${file.name} could not be read: ${error.message}`);
    }
  }
  return bytes;
}
