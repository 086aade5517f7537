#pragma once

#include <cstdint>

// What the module asks of the page (page.js installs the other ends on Module.page). The page
// owns the canvas, the Web Audio graph and the event loop.
namespace web {

// Shows one 640 x 480 frame of RGBA bytes, rows top first.
void PresentFrame(const uint8_t* rgba);
// Hands control back to the page until its next animation frame; false when the page wants the
// demo to end (a new start, the tab closing).
bool WaitForNextFrame();
// Gives the page a turn without waiting for a frame, while the demo polls the keys.
void YieldToPage();
// The audio clock in milliseconds: it runs while the page's audio runs and stands still while
// it is suspended, so a paused demo resumes where it stood.
double AudioClockMs();
// Plays the music file from fromMs, looping when asked; StopMusic silences it.
void PlayMusic(uint32_t fromMs, bool loop);
void StopMusic();
// A message the demo showed (a missing or damaged file), in UTF-8.
void ShowMessage(const char* text);

}  // namespace web
