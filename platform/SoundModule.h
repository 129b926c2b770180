#pragma once

// own
#include "platform/Services.h"

// Qt
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

// std
#include <functional>
#include <memory>

// An embedded sound as the player takes it: the resource and its playing time.
struct SoundSource {
    QUrl url;
    int lengthMs = 0;
};

// Finds a named sound; throws GameError for a name it does not know.
using SoundLookup = std::function<SoundSource(const QString& name)>;

// What the sound module (kestrelon-sound.so) gives: a player over Qt
// Multimedia. The game program does not link the audio stack; it loads the
// module when the first sound plays.
class SoundPlayerFactory {
  public:
    virtual ~SoundPlayerFactory() = default;
    virtual std::unique_ptr<SoundPlayer> create(SoundLookup lookup) const = 0;
};

#define KESTRELON_SOUND_FACTORY_IID "example.kestrelon.Memory.SoundPlayerFactory/1"
Q_DECLARE_INTERFACE(SoundPlayerFactory, KESTRELON_SOUND_FACTORY_IID)

// Plays the game's sounds through the sound module, loaded when a sound is
// first asked for: Qt Multimedia and the two dozen libraries it brings cost
// start-up time and memory, and a game plays no sound before its end unless
// the player turns sound on. The given module files are tried in their order
// until one loads. Where none loads, the game stays silent (sound is never
// worth an error box) and says once on stderr why.
class ModuleSoundPlayer : public SoundPlayer {
  public:
    ModuleSoundPlayer(SoundLookup lookup, QStringList modules);
    ~ModuleSoundPlayer() override;
    ModuleSoundPlayer(const ModuleSoundPlayer&) = delete;
    ModuleSoundPlayer& operator=(const ModuleSoundPlayer&) = delete;

    void play(const QString& name) override;

    // Empty until a sound is first asked for, and after the module loaded;
    // else why no sound plays, naming the files tried.
    QString problem() const { return m_problem; }

    // Where the game's module is, for a program in programFolder (by
    // default the running one's): beside the program, as in a build folder,
    // then where an installed game keeps it, relative to the program.
    static QStringList besideProgram(const QString& programFolder = {});

  private:
    void load();

    SoundLookup m_lookup;
    QStringList m_modules;
    bool m_loadTried = false;
    QString m_problem;
    std::unique_ptr<SoundPlayer> m_player;
};
