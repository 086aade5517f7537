#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/message_capture.h"

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
