// A file the demo may open before all of it is here (the movie). It is in the module's file system
// at its whole size from the start and fills in from the front as its bytes come; the module's
// reads of bytes not yet there wait for them (platform/web/file_arrival.cpp finds this object on
// the file's node, as `arriving`, and calls wait).
export class ArrivingFile {
  constructor(size) {
    this.bytes = new Uint8Array(size);
    this.through = 0;      // the bytes in, from the front
    this.waiters = [];     // { end, resolve } of the reads waiting
    this.failure = null;   // why the rest will never come
    this.broken = null;    // why the download broke off, while it is tried again
    this.refused = 0;      // the reads told that their bytes would not come
    this.onChange = () => {};  // told when bytes come, a wait begins or ends, or the download fails
  }

  get size() { return this.bytes.length; }
  get complete() { return this.through === this.size; }
  get waiting() { return this.waiters.length > 0; }

  // Makes the file at path; the file system holds this object's bytes, which fill in place.
  place(FS, path) {
    FS.writeFile(path, this.bytes, { canOwn: true });
    FS.lookupPath(path).node.arriving = this;
  }

  put(chunk, offset) {
    this.bytes.set(chunk, offset);
    this.through = Math.max(this.through, offset + chunk.length);
    this.settle((waiter) => waiter.end <= this.through, true);
  }

  // Resolves true once the first end bytes are in, or false when they will not come. Never
  // rejects: the module's wait could not be resumed from a rejection.
  wait(end) {
    if (this.through >= end) return Promise.resolve(true);
    if (this.failure !== null) {
      ++this.refused;
      return Promise.resolve(false);
    }
    return new Promise((resolve) => {
      this.waiters.push({ end, resolve });
      this.onChange();
    });
  }

  // Ends the reads waiting as if their bytes would never come: the demo stops there.
  cancelWaits() {
    this.settle(() => true, false);
  }

  fail(error) {
    this.failure = error;
    this.cancelWaits();
    this.onChange();
  }

  settle(isDue, arrived) {
    const due = this.waiters.filter(isDue);
    this.waiters = this.waiters.filter((waiter) => !isDue(waiter));
    for (const waiter of due) waiter.resolve(arrived);
    if (!arrived) this.refused += due.length;
    this.onChange();
  }
}
