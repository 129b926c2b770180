// own
#include "platform/LazySoundPlayer.h"
#include "assets/AssetFiles.h"
#include "platform/GameError.h"
#include "platform/sound/SoundModule.h"

// Qt
#include <QCoreApplication>
#include <QDir>

LazySoundPlayer::LazySoundPlayer() = default;

LazySoundPlayer::~LazySoundPlayer() {
    // The player goes before the module that holds its code.
    m_player.reset();
}

bool LazySoundPlayer::load() {
    if (m_tried) {
        return m_player != nullptr;
    }
    m_tried = true;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {here.path(), here.filePath(QStringLiteral(KESTRELON_SOUND_FROM_BIN))}) {
        m_module.setFileName(QDir(folder).filePath(QStringLiteral("kestrelon-sound")));
        if (m_module.load()) {
            break;
        }
    }
    if (!m_module.isLoaded()) {
        return false;
    }
    const auto create =
        reinterpret_cast<KestrelonSoundCreate>(m_module.resolve(KESTRELON_SOUND_CREATE));
    const auto destroy =
        reinterpret_cast<KestrelonSoundDestroy>(m_module.resolve(KESTRELON_SOUND_DESTROY));
    m_play = reinterpret_cast<KestrelonSoundPlay>(m_module.resolve(KESTRELON_SOUND_PLAY));
    if (create == nullptr || destroy == nullptr || m_play == nullptr) {
        return false;
    }
    m_player = std::unique_ptr<void, void (*)(void*)>(create(), destroy);
    return m_player != nullptr;
}

void LazySoundPlayer::play(const QString& name) {
    QByteArray wav;
    try {
        wav = assets::embeddedSound(name);
    } catch (const GameError&) {
        return; // a missing sound only means silence
    }
    if (load()) {
        m_play(m_player.get(), wav.constData(), wav.size());
    }
}
