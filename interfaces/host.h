#pragma once

#include <cstdint>

#include "guid.h"
#include "surface.h"

// The host executable's service objects, with exactly the slots the demo calls. Slots the demo
// never calls hold placeholders so that the numbered slots keep their positions.

// The host's main window; a Win32 window handle on Windows, a platform window object elsewhere.
using NativeWindow = void*;

class IHostServices {
public:
    virtual void* QueryService(const Guid* id) = 0;  // 0: null = not available

protected:
    ~IHostServices() = default;
};

class IHostLoop {
public:
    virtual bool KeepRunning() = 0;  // 0: false = stop now

protected:
    ~IHostLoop() = default;
};

class IHostClock {
public:
    virtual void Reserved0() = 0;
    virtual uint32_t NowMs() = 0;  // 1

protected:
    ~IHostClock() = default;
};

class IHostWindow {
public:
    virtual void Reserved0() = 0;
    virtual void Reserved1() = 0;
    virtual void Reserved2() = 0;
    virtual NativeWindow MainWindow() = 0;  // 3

protected:
    ~IHostWindow() = default;
};

// The 640 x 480 24-bit display surface.
class IHostScreen : public ISurface {
public:
    virtual void Present(int32_t x, int32_t y, int32_t w, int32_t h) = 0;  // 11

protected:
    ~IHostScreen() = default;
};

class IHostInput {
public:
    virtual void Refresh() = 0;  // 0: result ignored
    virtual void Poll() = 0;     // 1: result ignored
    virtual void Reserved2() = 0;
    virtual bool IsPressed(int32_t virtualKey) = 0;  // 3: key or mouse button (0x01, 0x02)

protected:
    ~IHostInput() = default;
};

class IHostSound {
public:
    virtual void Reserved0() = 0;
    virtual void Reserved1() = 0;
    virtual bool Prepare(int32_t musicNumber) = 0;  // 2: false = the host cannot play it
    virtual void Reserved3() = 0;
    virtual bool Start() = 0;  // 4
    virtual bool Stop() = 0;   // 5
    virtual void Reserved6() = 0;
    virtual void* QueryControl(const Guid* id) = 0;  // 7: null = control missing

protected:
    ~IHostSound() = default;
};

class IHostSoundSource {
public:
    virtual IHostSound* Sound() = 0;  // 0

protected:
    ~IHostSoundSource() = default;
};

class IHostSoundRepeat {
public:
    virtual bool SetRepeatMode(int32_t mode) = 0;  // 0: -1 endless, 1 once
    virtual int32_t RepeatMode() = 0;              // 1

protected:
    ~IHostSoundRepeat() = default;
};

class IHostSoundPosition {
public:
    virtual uint32_t PositionMs() = 0;  // 0: 0 until playback has started
    virtual uint32_t LengthMs() = 0;    // 1: 0 = failure

protected:
    ~IHostSoundPosition() = default;
};

class IHostGraphContext {
public:
    virtual void* Context() = 0;  // 0: handed unchanged to IGraph::Attach

protected:
    ~IHostGraphContext() = default;
};
