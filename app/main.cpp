// The program block: reads the command line, creates the application and the
// game, and runs the event loop until the game asks to end.

// own
#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/Program.h"
#include "platform/SafeFile.h"

// Qt
#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    // A file size limit makes a write fail like a full disk, not end the game.
    safefile::ignoreFileSizeSignal();
    // Before the QApplication, which needs a display: --help and --version
    // answer on a terminal without one.
    const QStringList arguments = cli::argumentsOf(argc, argv);
    const cli::Outcome outcome = cli::parse(arguments);
    // The language is chosen before the application exists, so the help and
    // the complaints speak it too; the translation outlives the application.
    i18n::Translation translation(i18n::choose(outcome.language, QLocale::system().uiLanguages()));
    if (outcome.action != cli::Action::Play) {
        return cli::report(cli::parse(arguments, translation));
    }
    QApplication app(argc, argv);
    translation.install();
    // Arabic reads from right to left: the whole window is mirrored.
    QGuiApplication::setLayoutDirection(QLocale(translation.language()).textDirection());
    Program::describeApplication();
    Program program;
    QObject::connect(&program.window(), &TForm1::terminateRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.window().show();
    return QApplication::exec();
}
