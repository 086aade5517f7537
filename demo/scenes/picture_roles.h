#pragma once

#include <cstdint>
#include <span>

// What each archive picture the scenes load is for, and when it is on the screen: for the tools
// and the page that show a picture in its place. Pure data, made from scene_pictures.h, the
// scenes' own moments (scene_times.h) and the schedule's windows, so each fact stands once.
//
// A picture on the screen in more than one window has one row per window (the opening picture
// in scenes 0 and 1, the closing picture of scene 2 again in scene 5); its first row is the
// earliest. A picture a scene loads but never draws has one row with an empty window
// (shownFromMs == shownToMs, both at its scene's start) and says so in its role.
struct PictureRole {
    int32_t index;         // the archive index
    int32_t scene;         // the scene (0..11) that draws it in this window
    uint32_t shownFromMs;  // music time, first millisecond on the screen
    uint32_t shownToMs;    // music time, end of the window (not included)
    const char* role;      // in plain words: "caption", "backdrop", "mask", ...

    bool Shown() const { return shownToMs > shownFromMs; }
    // The middle of the window: a moment a person can see the picture in its place.
    uint32_t MiddleMs() const { return shownFromMs + (shownToMs - shownFromMs) / 2; }
};

// Every row, by index and then by time.
std::span<const PictureRole> PictureRoles();

// The first row of this index, or nullptr for an index no scene loads.
const PictureRole* FindPictureRole(int32_t index);

// Every row of this index (empty for an index no scene loads).
std::span<const PictureRole> PictureRolesOf(int32_t index);
