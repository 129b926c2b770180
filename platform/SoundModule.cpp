// own
#include "platform/SoundModule.h"

// Qt
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

constexpr char moduleName[] = "kestrelon-sound.so";

} // namespace

ModuleSoundPlayer::ModuleSoundPlayer(SoundLookup lookup, QStringList modules)
    : m_lookup(std::move(lookup)), m_modules(std::move(modules)) {}

ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::play(const QString& name) {
    if (!m_loadTried) {
        m_loadTried = true;
        load();
    }
    if (m_player) {
        m_player->play(name);
    }
}

void ModuleSoundPlayer::load() {
    QStringList problems;
    for (const QString& module : m_modules) {
        if (!QFileInfo(module).isFile()) {
            continue;
        }
        // The loader leaves the library loaded when it goes, and the library
        // owns the factory: the player made here stays valid.
        QPluginLoader loader(module);
        const auto* factory = qobject_cast<SoundPlayerFactory*>(loader.instance());
        if (factory != nullptr) {
            m_player = factory->create(m_lookup);
            return;
        }
        problems << loader.errorString();
    }
    if (problems.isEmpty()) {
        problems << QStringLiteral("none of %1 is there").arg(m_modules.join(QStringLiteral(", ")));
    }
    m_problem = problems.join(QStringLiteral("; "));
    // For whoever installed the game, not for the player: in English.
    qWarning().noquote() << "kestrelon-memory: no sound:" << m_problem;
}

QStringList ModuleSoundPlayer::besideProgram(const QString& programFolder) {
    const QDir program(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                               : programFolder);
    // Beside the program first, so a build folder's game never takes the
    // module of an installed one.
    return {program.filePath(QLatin1String(moduleName)),
            QDir::cleanPath(program.filePath(QStringLiteral(KESTRELON_SOUND_FROM_GAME "/") +
                                             QLatin1String(moduleName)))};
}
