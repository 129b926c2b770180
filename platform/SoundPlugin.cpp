// The sound module: the one part of the game that links Qt Multimedia. The
// game program loads it when it first plays a sound (ModuleSoundPlayer).

// own
#include "platform/QtSoundPlayer.h"
#include "platform/SoundModule.h"

// Qt
#include <QObject>
#include <QtPlugin>

class QtSoundPlayerFactory : public QObject, public SoundPlayerFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KESTRELON_SOUND_FACTORY_IID)
    Q_INTERFACES(SoundPlayerFactory)

  public:
    std::unique_ptr<SoundPlayer> create(SoundLookup lookup) const override {
        return std::make_unique<QtSoundPlayer>(std::move(lookup));
    }
};

#include "SoundPlugin.moc"
