#pragma once
// Plays a short sound file ("Sound/warn.wav") without waiting for it to end.
#include <string>

class CSoundPlayer {
public:
    virtual ~CSoundPlayer() = default;
    // The path is relative to the data folders (see CResourcePaths).
    virtual void Play(const std::string& relativePath) = 0;
};
