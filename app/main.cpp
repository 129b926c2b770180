// The program block: builds the real services, the game state and the one
// main window, and runs the event loop until the game asks to end.

// own
#include "app/Unit1.h"
#include "game/GameState.h"
#include "platform/QtSoundPlayer.h"
#include "platform/RealServices.h"

// Qt
#include <QApplication>
#include <QIcon>

// std
#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon Memory"));
    QApplication::setDesktopFileName(QStringLiteral("example.kestrelon.Memory"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestrelon-memory.svg")));

    EventLoopPause pause;
    QtSoundPlayer sound;
    WidgetDialogs dialogs;
    QtDesktop desktop;
    HostSystemInfo system;
    LocalClock clock;
    const Services services{pause, sound, dialogs, desktop, system, clock};

    game::GameState state;
    // Seeded once per run, so no two runs deal the same sequence of layouts.
    state.seed = std::random_device{}();

    TForm1 window(state, services);
    dialogs.setParent(&window);
    QObject::connect(&window, &TForm1::terminateRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
