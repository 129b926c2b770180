#pragma once

// The C entry points of the sound module, a library of its own that the game
// loads when the first sound plays. Sound output needs a stack of system
// libraries (audio server, codecs, network support) that would otherwise all
// be loaded and linked before the window could show.

#define KESTRELON_SOUND_CREATE "kestrelon_sound_create"
#define KESTRELON_SOUND_DESTROY "kestrelon_sound_destroy"
#define KESTRELON_SOUND_PLAY "kestrelon_sound_play"

extern "C" {
using KestrelonSoundCreate = void* (*)();
using KestrelonSoundDestroy = void (*)(void* player);
// Plays the bytes of a WAVE file and returns when the sound has ended.
using KestrelonSoundPlay = void (*)(void* player, const char* wav, long long size);
}
