// own
#include "scores/GameCounter.h"
#include "platform/FolderLock.h"
#include "scores/TextFile.h"

// Qt
#include <QCoreApplication>

// std
#include <optional>

namespace scores {

namespace {

constexpr int fieldWidth = 4;
constexpr QLatin1String firstGame("   1");

// Leading spaces, an optional sign, then at least one digit and nothing else.
// The field has at most four characters, so the value always fits.
std::optional<int> parseCounter(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

QString counterField(int value) {
    return QString::number(value).left(fieldWidth).rightJustified(fieldWidth, QLatin1Char(' '));
}

// The count itself, under the counter's lock.
CounterResult countUnder(const safefile::FolderLock& lock, const safefile::Folder& folder) {
    CounterResult result;
    if (folder.exists(counterName)) {
        const QStringList lines = readTextLines(folder, counterName, 1).lines;
        QString field = lines.isEmpty() ? QString() : lines.first().left(fieldWidth);
        if (field.size() == fieldWidth && field.at(fieldWidth - 1) == u' ')
            field = firstGame;
        if (!field.isEmpty()) {
            if (const std::optional<int> value = parseCounter(field)) {
                field = counterField(*value + 1);
                result.show = true;
            } else {
                result.warning = QCoreApplication::translate(
                                     "scores", "The game counter %1 holds \"%2\", which is not "
                                               "a number; counting starts again at 1.")
                                     .arg(counterName, field);
                field = firstGame;
            }
        }
        result.field = field;
    } else {
        result.field = firstGame;
    }

    writeDataFile(folder, counterName, encodeLines({result.field}), &lock);
    return result;
}

} // namespace

CounterResult advanceGameCounter(const safefile::Folder& folder, Pause& pause,
                                 const safefile::LockWait& wait) {
    // Once more when the lock was taken from it before it could write.
    for (int round = 1;; ++round) {
        const safefile::FolderLock lock(folder, counterName, pause, wait);
        try {
            return countUnder(lock, folder);
        } catch (const safefile::LockLostError&) {
            if (round == 3)
                throw;
        }
    }
}

QString gameNumberText(const QString& field) {
    const char* const source = QT_TRANSLATE_NOOP("scores", "game no: %1");
    const QString text = QCoreApplication::translate("scores", source);
    // The English text shows the field as the counter file holds it, blanks
    // and all; a translation places the bare number in its own words.
    return text.arg(text == QLatin1String(source) ? field : field.trimmed());
}

} // namespace scores
