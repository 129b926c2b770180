// own
#include "app/CommandLine.h"
#include "app/Languages.h"

// Qt
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// std
#include <csignal>

Q_DECLARE_METATYPE(cli::Action)

// The command line is read before any application object exists, so these
// tests run without one.
class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void argumentsDecideWhatTheProgramDoes_data();
    void argumentsDecideWhatTheProgramDoes();
    void languageComesFromTheOptionOrTheDesktop_data();
    void languageComesFromTheOptionOrTheDesktop();
    void programBlockExitsAndIgnoresTheSizeLimitSignal();
};

void CommandLineTest::argumentsDecideWhatTheProgramDoes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<cli::Action>("action");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QString game = QStringLiteral("kestrelon-memory");
    const QStringList none;
    using cli::Action;

    QTest::newRow("no options") << QStringList{game} << Action::Play << 0 << none << none;
    // Qt's own options reach the QApplication as they did before there were options.
    QTest::newRow("qt option with value")
        << QStringList{game, "-platform", "offscreen"} << Action::Play << 0 << none << none;
    QTest::newRow("qt option with equals sign")
        << QStringList{game, "-style=fusion"} << Action::Play << 0 << none << none;
    QTest::newRow("qt flag") << QStringList{game, "-reverse"} << Action::Play << 0 << none << none;

    const QStringList helpParts{"Usage: kestrelon-memory [options]",
                                "-h, --help",
                                "-v, --version",
                                "eighteen pairs",
                                "--language <CODE>",
                                "one of: en, ar, bg",
                                "pt, pt_BR, ro"};
    const QStringList hidden{"platform", "style", "--help-all", "<executable_name>"};
    QTest::newRow("help") << QStringList{game, "--help"} << Action::ShowHelp << 0 << helpParts
                          << hidden;
    QTest::newRow("help, short, from a full path")
        << QStringList{"/usr/games/kestrelon-memory", "-h"} << Action::ShowHelp << 0 << helpParts
        << hidden;
    QTest::newRow("version") << QStringList{game, "--version"} << Action::ShowVersion << 0
                             << QStringList{"Kestrelon Memory " KESTRELON_VERSION "\n"} << none;

    const QString tryHelp = QStringLiteral("Try 'kestrelon-memory --help'");
    QTest::newRow("unknown long option")
        << QStringList{game, "--fullscreen"} << Action::Refuse << cli::usageError
        << QStringList{"kestrelon-memory: ", "'fullscreen'", tryHelp} << none;
    // Single-dash words are whole options, as Qt's own are: no letter bundles.
    QTest::newRow("letters are not bundled")
        << QStringList{game, "-hv"} << Action::Refuse << cli::usageError
        << QStringList{"'hv'", tryHelp} << none;
    QTest::newRow("qt option without its value")
        << QStringList{game, "-platform"} << Action::Refuse << cli::usageError
        << QStringList{"'-platform'", tryHelp} << none;
    QTest::newRow("an argument that is no option")
        << QStringList{"/usr/games/kestrelon-memory", "highscore.txt"} << Action::Refuse
        << cli::usageError << QStringList{"kestrelon-memory: ", "'highscore.txt'", tryHelp} << none;
}

void CommandLineTest::argumentsDecideWhatTheProgramDoes() {
    QFETCH(QStringList, arguments);
    QFETCH(cli::Action, action);
    QFETCH(int, exitStatus);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);

    const cli::Outcome outcome = cli::parse(arguments);
    QCOMPARE(outcome.action, action);
    QCOMPARE(outcome.exitStatus, exitStatus);
    if (action == cli::Action::Play) {
        QVERIFY(outcome.text.isEmpty());
    } else {
        QVERIFY(outcome.text.endsWith(u'\n'));
    }
    for (const QString& part : present) {
        QVERIFY2(outcome.text.contains(part), qPrintable(part + " missing in:\n" + outcome.text));
    }
    for (const QString& part : absent) {
        QVERIFY2(!outcome.text.contains(part), qPrintable(part + " found in:\n" + outcome.text));
    }
}

void CommandLineTest::languageComesFromTheOptionOrTheDesktop_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("phrase");

    const QStringList help{"--help"};
    const QString english = QStringLiteral("Print these options and exit.");
    QTest::newRow("option beats desktop")
        << QStringList{"--language", "de", "--help"} << QStringList{"fr-FR"} << "de"
        << "Zeigt diese Optionen an und beendet das Programm.";
    QTest::newRow("option en") << QStringList{"--language=en", "--help"} << QStringList{"it"}
                               << "en" << english;
    // An unknown language falls back to English, not to the desktop's.
    QTest::newRow("option unknown")
        << QStringList{"--language", "xx", "--help"} << QStringList{"de"} << "en" << english;
    QTest::newRow("desktop with country") << help << QStringList{"es-ES", "es"} << "es"
                                          << "Muestra estas opciones y termina.";
    QTest::newRow("desktop, first spoken") << help << QStringList{"is-IS", "nl"} << "nl"
                                           << "Toont deze opties en stopt.";
    // A translation made for the country wins over the language's own; Chinese
    // in the traditional script is not the simplified one.
    QTest::newRow("option with country")
        << QStringList{"--language", "pt-BR", "--help"} << QStringList{} << "pt_BR"
        << "Mostra estas opções e sai.";
    QTest::newRow("desktop pt-PT") << help << QStringList{"pt-PT"} << "pt"
                                   << "Mostra estas opções e termina.";
    QTest::newRow("desktop zh-Hans-CN") << help << QStringList{"zh-Hans-CN"} << "zh_CN"
                                        << "显示这些选项并退出。";
    QTest::newRow("desktop zh-TW") << help << QStringList{"zh-TW", "ja"} << "ja"
                                   << "このオプション一覧を表示して終了します。";
    QTest::newRow("desktop nn") << help << QStringList{"nn-NO"} << "nb"
                                << "Viser disse valgene og avslutter.";
    QTest::newRow("desktop prefers English")
        << help << QStringList{"en-GB", "fr"} << "en" << english;
    QTest::newRow("desktop unknown") << help << QStringList{"is-IS"} << "en" << english;
    // Old codes, and Serbian only for a reader of its Cyrillic script.
    QTest::newRow("desktop iw")
        << help << QStringList{"iw_IL"} << "he"
        << u"\u05d4\u05e6\u05d2\u05ea \u05d4\u05d0\u05e4\u05e9\u05e8\u05d5\u05d9\u05d5\u05ea \u05d4\u05d0\u05dc\u05d4 \u05d5\u05d9\u05e6\u05d9\u05d0\u05d4."_qs;
    QTest::newRow("option in") << QStringList{"--language", "in", "--help"} << QStringList{} << "id"
                               << "Tampilkan opsi ini, lalu keluar.";
    QTest::newRow("desktop sr_RS")
        << help << QStringList{"sr_RS.UTF-8"} << "sr"
        << u"\u0418\u0441\u043f\u0438\u0441\u0443\u0458\u0435 \u043e\u0432\u0435 \u043e\u043f\u0446\u0438\u0458\u0435 \u0438 \u0437\u0430\u0432\u0440\u0448\u0430\u0432\u0430."_qs;
    QTest::newRow("desktop sr@latin")
        << help << QStringList{"sr_RS.UTF-8@latin", "sr-Latn-RS"} << "en" << english;
    // Qt's own complaints too, although no application exists to translate them.
    QTest::newRow("Qt's complaint in the language")
        << QStringList{"--language", "de", "--bogus"} << QStringList{} << "de"
        << "kestrelon-memory: Unbekannte Option „bogus“.";
    QTest::newRow("complaint in the language")
        << QStringList{"--language", "fr", "stray"} << QStringList{} << "fr"
        << "Essaie «\u202Fkestrelon-memory --help\u202F» pour voir les options.";
}

// As the program block does: the language from the option or the desktop,
// then the texts in it.
void CommandLineTest::languageComesFromTheOptionOrTheDesktop() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, desktop);
    QFETCH(QString, language);
    QFETCH(QString, phrase);

    const QStringList arguments = QStringList{"kestrelon-memory"} + options;
    const QString chosen = i18n::choose(cli::parse(arguments).language, desktop);
    QCOMPARE(chosen, language);
    const i18n::Translation translation(chosen);
    const QString text = cli::parse(arguments, translation).text;
    QVERIFY2(text.contains(phrase), qPrintable(text));
}

namespace {

// The built game, found from this test program (there is no application here
// to ask for its folder).
QString gameBinary() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path() +
           QStringLiteral("/" GAME_BINARY);
}

} // namespace

void CommandLineTest::programBlockExitsAndIgnoresTheSizeLimitSignal() {
    // The built game, run as a player's shell runs it.
    QProcess game;
    game.start(gameBinary(), {QStringLiteral("--version")});
    QVERIFY(game.waitForFinished(10000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
    game.start(gameBinary(), {QStringLiteral("--no-such-option")});
    QVERIFY(game.waitForFinished(10000));
    QCOMPARE(game.exitCode(), cli::usageError);
    // The option decides the program's language.
    game.start(gameBinary(),
               {QStringLiteral("--language"), QStringLiteral("de"), QStringLiteral("-h")});
    QVERIFY(game.waitForFinished(10000));
    QVERIFY(game.readAllStandardOutput().contains("Zeigt diese Optionen an"));

    // Playing, the game ignores SIGXFSZ, so a file size limit fails a write
    // instead of ending the game.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(folder.path());
    game.start(gameBinary(), {});
    QVERIFY(game.waitForStarted(10000));
    const auto ignored = [&game] {
        QFile status(QStringLiteral("/proc/%1/status").arg(game.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigIgn:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGXFSZ - 1) & 1) != 0;
        }
        return false;
    };
    // Waiting on the game, which sets the signal up first thing.
    const QDeadlineTimer deadline(10000);
    while (!ignored() && !deadline.hasExpired() && !game.waitForFinished(20)) {
    }
    QVERIFY(ignored());
    game.kill();
    QVERIFY(game.waitForFinished(10000));
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
