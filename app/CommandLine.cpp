// own
#include "app/CommandLine.h"
#include "app/Languages.h"

// Qt
#include <QCommandLineParser>
#include <QFileInfo>

// std
#include <array>
#include <cstdio>

namespace cli {

namespace {

// Options QGuiApplication, QApplication and the X11 platform take from the
// command line. They are accepted here, kept out of the help, and left in the
// arguments for the QApplication to consume.
constexpr std::array qtValueOptions{"platform",      "platformpluginpath",
                                    "platformtheme", "plugin",
                                    "qmljsdebugger", "qwindowgeometry",
                                    "qwindowicon",   "qwindowtitle",
                                    "session",       "display",
                                    "geometry",      "style",
                                    "stylesheet",    "name",
                                    "title"};
constexpr std::array qtFlagOptions{"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString versionLine() {
    return QStringLiteral("Kestrelon Memory " KESTRELON_VERSION);
}

void addQtOptions(QCommandLineParser& parser) {
    for (const char* name : qtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt's own complaints about a command line, as QCommandLineParser words them
// in English. Its words come from the application's translators, which exist
// only once the application does; the complaint is matched here and written
// again in the player's language.
constexpr std::array qtComplaints{
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

QString translatedComplaint(const QString& complaint, const i18n::Translation& translation) {
    for (const char* source : qtComplaints) {
        const QStringList around = QString::fromLatin1(source).split(QStringLiteral("%1"));
        if (complaint.size() > around[0].size() + around[1].size() &&
            complaint.startsWith(around[0]) && complaint.endsWith(around[1])) {
            const QString value = complaint.mid(
                around[0].size(), complaint.size() - around[0].size() - around[1].size());
            return translation.qtText("QCommandLineParser", source).arg(value);
        }
    }
    return complaint;
}

} // namespace

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

Outcome parse(const QStringList& arguments) {
    return parse(arguments, i18n::Translation(i18n::sourceLanguage.toString()));
}

Outcome parse(const QStringList& arguments, const i18n::Translation& translation) {
    // No application object need exist yet: the texts come from the translation itself.
    const auto translated = [&translation](const char* source) {
        return translation.text("cli", source);
    };
    const QString program = arguments.isEmpty() ? QStringLiteral("kestrelon-memory")
                                                : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(translated(
        QT_TRANSLATE_NOOP("cli", "A memory card game: find the eighteen pairs among "
                                 "thirty-six cards.\nThe game keeps its pictures, high-score "
                                 "list and game counter\nin the folder it is started in.")));
    // Own options rather than addHelpOption(): that one also offers --help-all,
    // which only process() answers, and process() needs an application object.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        translated(QT_TRANSLATE_NOOP("cli", "Print these options and exit.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        translated(QT_TRANSLATE_NOOP("cli", "Print the name and version and exit.")));
    const QCommandLineOption language(
        QStringLiteral("language"),
        translated(QT_TRANSLATE_NOOP("cli",
                                     "Speak the language CODE, one of: %1. Without this option "
                                     "the game speaks the desktop's language, or English."))
            .arg(i18n::available().join(QStringLiteral(", "))),
        QStringLiteral("CODE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language);
    addQtOptions(parser);

    // The language, when given, is read even from a command line refused
    // later on, so the complaint can speak it.
    const auto refuse = [&](const QString& problem) {
        return Outcome{
            Action::Refuse,
            translated(QT_TRANSLATE_NOOP("cli", "%1: %2\nTry '%1 --help' for the options.\n"))
                .arg(program, problem),
            usageError, parser.value(language)};
    };
    if (!parser.parse(arguments)) {
        return refuse(translatedComplaint(parser.errorText(), translation));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(
            translated(QT_TRANSLATE_NOOP("cli", "unexpected argument '%1'; the game takes none "
                                                "but its options."))
                .arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        // Without an application object the help can neither know the
        // program's name nor translate Qt's words: its usage line and the
        // options' heading are written anew.
        const auto qt = [&translation](const char* source) {
            return translation.qtText("QCommandLineParser", source);
        };
        QString text = parser.helpText();
        text = qt(QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"))
                   .arg(program + u' ' + qt(QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"))) +
               text.mid(text.indexOf(u'\n'));
        text.replace(QStringLiteral("\nOptions:\n"),
                     u'\n' + qt(QT_TRANSLATE_NOOP("QCommandLineParser", "Options:")) + u'\n');
        return Outcome{Action::ShowHelp, text, 0, parser.value(language)};
    }
    if (parser.isSet(version)) {
        return Outcome{Action::ShowVersion, versionLine() + u'\n', 0, parser.value(language)};
    }
    return Outcome{Action::Play, QString(), 0, parser.value(language)};
}

int report(const Outcome& outcome) {
    std::FILE* stream = outcome.action == Action::Refuse ? stderr : stdout;
    std::fputs(outcome.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return outcome.exitStatus;
}

} // namespace cli
