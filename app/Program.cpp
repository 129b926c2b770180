// own
#include "app/Program.h"
#include "assets/SoundCues.h"

// Qt
#include <QApplication>
#include <QIcon>

// std
#include <random>

namespace {

// Seeded once per run, so no two runs deal the same sequence of layouts.
game::GameState seededState() {
    game::GameState state;
    state.seed = std::random_device{}();
    return state;
}

// The embedded sounds, looked up when one first plays.
SoundSource embeddedSound(const QString& name) {
    return SoundSource{assets::soundUrl(name), assets::soundLengthMs(name)};
}

} // namespace

Program::Program()
    : m_sound(&embeddedSound, ModuleSoundPlayer::besideProgram()), m_state(seededState()),
      m_window(m_state, Services{m_pause, m_sound, m_dialogs, m_desktop, m_system, m_clock}) {
    m_dialogs.setParent(&m_window);
}

void Program::describeApplication() {
    QApplication::setApplicationName(QStringLiteral("Kestrelon Memory"));
    QApplication::setDesktopFileName(QStringLiteral("example.kestrelon.Memory"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestrelon-memory-48.png")));
}
