// The program block: reads the command line, creates the application and the
// game, and runs the event loop until the game asks to end.

// own
#include "app/CommandLine.h"
#include "app/Program.h"
#include "platform/SafeFile.h"

// Qt
#include <QApplication>

int main(int argc, char* argv[]) {
    // A file size limit makes a write fail like a full disk, not end the game.
    safefile::ignoreFileSizeSignal();
    // Before the QApplication, which needs a display: --help and --version
    // answer on a terminal without one.
    const cli::Outcome outcome = cli::parse(cli::argumentsOf(argc, argv));
    if (outcome.action != cli::Action::Play) {
        return cli::report(outcome);
    }
    QApplication app(argc, argv);
    Program::describeApplication();
    Program program;
    QObject::connect(&program.window(), &TForm1::terminateRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.window().show();
    return QApplication::exec();
}
