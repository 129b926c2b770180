// own
#include "platform/sound/SoundModule.h"
#include "platform/sound/QtSoundPlayer.h"

// The player is created and destroyed by the game through these functions,
// which keeps the module's C interface free of C++ types.
extern "C" {

Q_DECL_EXPORT void* kestrelon_sound_create() {
    return new QtSoundPlayer; // owned by the caller, released by kestrelon_sound_destroy
}

Q_DECL_EXPORT void kestrelon_sound_destroy(void* player) {
    delete static_cast<QtSoundPlayer*>(player);
}

Q_DECL_EXPORT void kestrelon_sound_play(void* player, const char* wav, long long size) {
    static_cast<QtSoundPlayer*>(player)->playData(
        QByteArray::fromRawData(wav, static_cast<qsizetype>(size)));
}
}
