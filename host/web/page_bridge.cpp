#include "host/web/page_bridge.h"

#include <emscripten.h>

// The page installs these hooks before it starts the demo; a missing hook is a page fault and
// shows in the browser console rather than being papered over here. A frame goes to the page as a
// view of the module's memory, not a copy: the canvas copies it as it takes it, and the view is
// good only until the module runs on.
EM_JS(void, page_present, (const uint8_t* rgba),
      { Module.page.present(new Uint8ClampedArray(HEAPU8.buffer, rgba, 640 * 480 * 4)); });
EM_ASYNC_JS(int, page_wait_frame, (), { return await Module.page.waitFrame(); });
EM_JS(double, page_audio_clock, (), { return Module.page.audioClockMs(); });
EM_JS(void, page_play_music, (uint32_t fromMs, int loop), { Module.page.playMusic(fromMs, loop != 0); });
EM_JS(void, page_stop_music, (), { Module.page.stopMusic(); });
EM_JS(void, page_message, (const char* text), { Module.page.message(UTF8ToString(text)); });

namespace web {

void PresentFrame(const uint8_t* rgba) { page_present(rgba); }
bool WaitForNextFrame() { return page_wait_frame() != 0; }
void YieldToPage() { emscripten_sleep(0); }
double AudioClockMs() { return page_audio_clock(); }
void PlayMusic(uint32_t fromMs, bool loop) { page_play_music(fromMs, loop ? 1 : 0); }
void StopMusic() { page_stop_music(); }
void ShowMessage(const char* text) { page_message(text); }

}  // namespace web
