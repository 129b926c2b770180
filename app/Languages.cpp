// own
#include "app/Languages.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace i18n {

namespace {

const QString folder = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("kestrelon-memory_");

// "de-AT" and "de_AT" -> "de".
QString languageOf(const QString& code) {
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

QString translatedOrSource(const QTranslator& translator, const char* context, const char* source) {
    const QString translated = translator.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace

QStringList available() {
    QStringList codes{sourceLanguage.toString()};
    const QStringList files =
        QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        codes << file.mid(prefix.size()).chopped(3);
    }
    return codes;
}

QString choose(const QString& requested, const QStringList& userLanguages) {
    const QStringList spoken = available();
    if (!requested.isEmpty()) {
        const QString code = languageOf(requested);
        return spoken.contains(code) ? code : sourceLanguage.toString();
    }
    for (const QString& language : userLanguages) {
        const QString code = languageOf(language);
        if (spoken.contains(code)) {
            return code;
        }
    }
    return sourceLanguage.toString();
}

Translation::Translation(const QString& language) : m_language(language) {
    if (m_language == sourceLanguage) {
        return;
    }
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
    return translatedOrSource(m_qt, context, source);
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
