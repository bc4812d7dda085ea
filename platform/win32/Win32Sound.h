#pragma once
// Asynchronous wave playback; a new sound cuts off the one playing.
#include <windows.h>

#include <mmsystem.h>

#include "platform/SoundPlayer.h"
#include "platform/win32/WideText.h"

namespace tintfall {

class Win32Sound : public SoundPlayer {
public:
    void play(const std::string& path) override { sndPlaySoundW(toWide(path).c_str(), SND_ASYNC); }
};

}  // namespace tintfall
