// The program block: creates the application and the game, and runs the
// event loop until the game asks to end.

// own
#include "app/Program.h"
#include "platform/SafeFile.h"

// Qt
#include <QApplication>

int main(int argc, char* argv[]) {
    // A file size limit makes a write fail like a full disk, not end the game.
    safefile::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    Program::describeApplication();
    Program program;
    QObject::connect(&program.window(), &TForm1::terminateRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.window().show();
    return QApplication::exec();
}
