// The keyboard: the page's own keys, and the demo's virtual keys for the keys it reads (the jump
// keys and the cancel keys). index.html lists the same keys for the user.

const kDemoKeys = {
  Digit0: 0x30, Digit1: 0x31, Digit2: 0x32, Digit3: 0x33, Digit4: 0x34, Digit5: 0x35, Digit6: 0x36,
  Digit7: 0x37, Digit8: 0x38, Digit9: 0x39, KeyP: 0x50, Space: 0x20, Enter: 0x0d, NumpadEnter: 0x0d,
  Escape: 0x1b,
};
export const kAllDemoKeys = [...new Set(Object.values(kDemoKeys))];
const kMouseKeys = [0x01, 0x04, 0x02];  // left, middle, right button

// The page's action for a key ('pause', 'mute', 'fullscreen'), or null. The page's keys never
// reach the demo: Ctrl+P does not jump to scene P and Alt+Enter does not cancel.
export function pageAction(event) {
  if (event.code === 'Pause' || (event.ctrlKey && event.code === 'KeyP')) return 'pause';
  if (event.code === 'KeyM' && !event.ctrlKey && !event.altKey) return 'mute';
  if (event.code === 'F11' || (event.altKey && event.code === 'Enter')) return 'fullscreen';
  return null;
}

// The demo's virtual key for a key event, or undefined. Space and return on a focused button or
// box work that control instead, so the page's controls stay usable from the keyboard in play.
export function demoKey(event) {
  const control = event.target instanceof Element && event.target.closest('button, input, summary, a');
  if (control && ['Space', 'Enter', 'NumpadEnter'].includes(event.code)) return undefined;
  return kDemoKeys[event.code];
}

export function demoMouseKey(button) {
  return kMouseKeys[button];
}
