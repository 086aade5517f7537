#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Runs a test inside its own empty folder, so that the files the demo opens by bare name
// ("Prelo.ini", "Vuvi01.wav") are the test's and no other test's.
class ScopedWorkFolder {
public:
    ScopedWorkFolder();
    ~ScopedWorkFolder();
    ScopedWorkFolder(const ScopedWorkFolder&) = delete;
    ScopedWorkFolder& operator=(const ScopedWorkFolder&) = delete;

private:
    std::string previous_;
    std::string folder_;
};

bool WriteFile(const char* name, const std::string& bytes);

// A PCM wave file of 8-bit mono samples at samplesPerSecond that lasts lengthMs.
std::string MakeWave(uint32_t lengthMs, uint32_t samplesPerSecond = 1000);

// Collects the texts of the library's message boxes while alive. Linux reads the platform's
// record; Windows watches the real boxes open on this thread and dismisses each with OK.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> Texts() const;
    std::vector<std::string> Captions() const;
};

// Switches the platform clock to virtual time at a given start and back when done.
class ScopedVirtualClock {
public:
    explicit ScopedVirtualClock(uint32_t startMs = 1000000);
    ~ScopedVirtualClock();
};
