#include "scores/GameCounter.h"

#include "scores/TextFile.h"

// Qt
#include <QFileInfo>

// std
#include <optional>

namespace scores {

namespace {

constexpr int fieldWidth = 4;
constexpr int lockTimeoutMs = 5000;
constexpr QLatin1String counterName("nog.txt");
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

} // namespace

CounterResult advanceGameCounter(const QString& dir) {
    const QString path = dir + counterName;
    const FileLock lock(path, lockTimeoutMs);

    CounterResult result;
    if (QFileInfo::exists(path)) {
        const QStringList lines = readTextLines(path, 1);
        QString field = lines.isEmpty() ? QString() : lines.first().left(fieldWidth);
        if (field.size() == fieldWidth && field.at(fieldWidth - 1) == u' ')
            field = firstGame;
        if (!field.isEmpty()) {
            if (const std::optional<int> value = parseCounter(field)) {
                field = counterField(*value + 1);
                result.show = true;
            } else {
                result.warning = QStringLiteral("The game counter %1 holds \"%2\", which is not "
                                                "a number; counting starts again at 1.")
                                     .arg(counterName, field);
                field = firstGame;
            }
        }
        result.field = field;
    } else {
        result.field = firstGame;
    }

    writeFileAtomically(path, encodeLines({result.field}));
    return result;
}

QString gameNumberText(const QString& field) {
    return QStringLiteral("game no: ") + field;
}

} // namespace scores
