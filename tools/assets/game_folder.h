#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The demo's files in a game folder, looked at as the demo will meet them, so that a person is
// told in plain words which file is at fault and how.
namespace assetkit {

struct GameFiles {
    std::string folder;
    // Each as found, whatever its letter case; empty when absent.
    std::string archive;    // Prelo.zpx
    std::string movie;      // Prelo.moz, else PreloM.moz, as the demo chooses
    std::string movieName;  // the name the demo opens it by: "Prelo.moz" or "PreloM.moz"
    std::string music;      // Vuvi01.wav
    std::string settings;   // Prelo.ini, which may be absent
};

// Finds the files in folder. False with one line when there is no such folder.
bool FindGameFiles(const std::string& folder, GameFiles* files, std::string* error);

// "the folder <folder> lacks Prelo.zpx, Vuvi01.wav" for the files the demo cannot play without;
// empty when all are there.
std::string MissingFiles(const GameFiles& files);

struct Fault {
    enum Kind { kNone, kMissing, kDamaged } kind = kNone;
    std::string line;
};

// The first fault the demo meets in the files, in the order it reads them, as one line that names
// the file as found: the missing files, "<folder>/Prelo.zpx: not a picture archive",
// "<folder>/Prelo.zpx: entry 17 is damaged (...)", "<folder>/Prelo.moz: the movie is cut short at
// frame 812 of 1075", "<folder>/Vuvi01.wav: the music is unreadable (...)".
Fault FindFault(const GameFiles& files);

// What is wrong with an archive's bytes ("not a picture archive", "entry 17 is damaged (...)"),
// or with a movie's, which the demo reads at the frame size its name gives; empty when nothing is.
std::string ArchiveFault(std::vector<uint8_t> bytes);
std::string MovieFault(const std::vector<uint8_t>& bytes, const std::string& movieName);

// Whether the music file can be played at all; false with the line FindFault gives for it.
bool MusicReadable(const GameFiles& files, std::string* error);

// A line naming the music file when it holds much less music than its header says (a copy cut
// short): the demo then ends where the music does. Empty otherwise.
std::string MusicShortfall(const GameFiles& files);

}  // namespace assetkit
