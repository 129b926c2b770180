// own
#include "app/Languages.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

// The catalogs are a resource of their own (translations/CMakeLists.txt):
// registered once, before the first look for them.
static bool registerCatalogs() {
    Q_INIT_RESOURCE(kestrelon_catalogs);
    return true;
}

namespace i18n {

namespace {

const QString folder = QStringLiteral(":/i18n");

// Qt's own texts the window shows: the message box's button and the name
// box's menu. Qt has no translation of them for several of the game's
// languages (Hindi, Thai, Swedish, ...), so the game's catalogs carry them
// for every language; Qt's own translation, where there is one, comes first.
[[maybe_unused]] const char* const qtWindowTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),   QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),   QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),  QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

void needCatalogs() {
    [[maybe_unused]] static const bool registered = registerCatalogs();
}
const QString prefix = QStringLiteral("kestrelon-memory_");

// The embedded translation that fits a language tag ("pt-BR", "pt_PT",
// "zh-Hans-CN", "de_AT.UTF-8"), or an empty text when none does: one made for
// the tag's country first (pt_BR), then the language's own (pt, de). Chinese
// is written in two scripts and the game speaks only the simplified one, which
// zh, zh-Hans, zh-CN and zh-SG read; Serbian likewise only in Cyrillic, so a
// reader of the Latin script (sr@latin, sr-Latn) is not shown it. Norwegian
// (no, nn) reads Bokmål (nb), and the old codes iw and in read Hebrew and
// Indonesian.
QString translationFor(const QString& tag, const QStringList& spoken) {
    const QString modifier = tag.section(QLatin1Char('@'), 1).section(QLatin1Char('.'), 0, 0);
    const QStringList parts = tag.section(QLatin1Char('.'), 0, 0)
                                  .section(QLatin1Char('@'), 0, 0)
                                  .replace(QLatin1Char('-'), QLatin1Char('_'))
                                  .split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        return {};
    }
    QString language = parts.front().toLower();
    QString script;
    QString country;
    for (const QString& part : parts.mid(1)) {
        (part.size() == 4 ? script : country) = part;
    }
    if (language == u"zh") {
        const bool simplified =
            script.isEmpty()
                ? (country.isEmpty() || country.toUpper() == u"CN" || country.toUpper() == u"SG")
                : script.toLower() == u"hans";
        const QString code = QStringLiteral("zh_CN");
        return simplified && spoken.contains(code) ? code : QString();
    }
    if (language == u"sr" && (modifier.toLower() == u"latin" || script.toLower() == u"latn")) {
        return {};
    }
    if (language == u"no" || language == u"nn") {
        language = QStringLiteral("nb");
    } else if (language == u"iw") {
        language = QStringLiteral("he");
    } else if (language == u"in") {
        language = QStringLiteral("id");
    }
    const QString national = language + u'_' + country.toUpper();
    if (!country.isEmpty() && spoken.contains(national)) {
        return national;
    }
    return spoken.contains(language) ? language : QString();
}

QString translatedOrSource(const QTranslator& translator, const char* context, const char* source) {
    const QString translated = translator.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace

QStringList available() {
    needCatalogs();
    QStringList codes{sourceLanguage.toString()};
    // Matched by hand: a name filter would start a pattern engine for it.
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.startsWith(prefix) && file.endsWith(QLatin1String(".qm"))) {
            codes << file.mid(prefix.size()).chopped(3);
        }
    }
    return codes;
}

QString choose(const QString& requested, const QStringList& userLanguages) {
    const QStringList spoken = available();
    if (!requested.isEmpty()) {
        const QString code = translationFor(requested, spoken);
        return code.isEmpty() ? sourceLanguage.toString() : code;
    }
    for (const QString& language : userLanguages) {
        const QString code = translationFor(language, spoken);
        if (!code.isEmpty()) {
            return code;
        }
    }
    return sourceLanguage.toString();
}

Translation::Translation(const QString& language) : m_language(language) {
    if (m_language == sourceLanguage) {
        return;
    }
    needCatalogs();
    // A translation that fails to load leaves its texts in English.
    [[maybe_unused]] const bool game =
        m_game.load(prefix + m_language, folder, QString(), QStringLiteral(".qm"));
    [[maybe_unused]] const bool qt =
        m_qt.load(QLocale(m_language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Translation::text(const char* context, const char* source) const {
    return translatedOrSource(m_game, context, source);
}

QString Translation::qtText(const char* context, const char* source) const {
    // The game's own translation of a Qt text first: it covers the languages
    // Qt has no translation for, in the game's words.
    const QString own = m_game.translate(context, source);
    return own.isEmpty() ? translatedOrSource(m_qt, context, source) : own;
}

void Translation::install() {
    if (!m_game.isEmpty()) {
        QCoreApplication::installTranslator(&m_game);
    }
    if (!m_qt.isEmpty()) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

} // namespace i18n
