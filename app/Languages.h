#pragma once

// Qt
#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the game speaks. English is the language of the sources;
// every other one is a translation embedded as :/i18n/kestrelon-memory_<code>.qm.
namespace i18n {

// The language of the sources, spoken when no other fits.
inline constexpr QStringView sourceLanguage = u"en";

// The codes of the languages the game speaks, English first, then the
// embedded translations in alphabetical order: "en", "de", "es", ...
QStringList available();

// The language to speak. A requested code (the command line's --language)
// decides alone; otherwise the first of the user's languages (as
// QLocale::uiLanguages gives them: "de-AT", "fr", ...) the game speaks.
// English when nothing fits, without a word.
QString choose(const QString& requested, const QStringList& userLanguages);

// The translations of one language: the game's texts and Qt's own (the
// standard buttons of the message boxes, from Qt's translations folder).
// They can be read before any application object exists; install() hands
// them to the application. They are taken back when this object goes.
class Translation {
  public:
    explicit Translation(const QString& language);
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    const QString& language() const { return m_language; }

    // The game's text in this language; the English source when there is no
    // translation of it.
    QString text(const char* context, const char* source) const;
    // Qt's own text in this language: the game's translation of it, else Qt's,
    // else the source.
    QString qtText(const char* context, const char* source) const;

    // Call once the application object exists.
    void install();

  private:
    QString m_language;
    QTranslator m_game;
    QTranslator m_qt;
};

} // namespace i18n
