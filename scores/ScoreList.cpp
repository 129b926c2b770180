#include "scores/ScoreList.h"
#include "scores/HighScoreStore.h"
#include "scores/ResultTexts.h"

// Qt
#include <QDateTime>

namespace scores {

ScoreList::ScoreList() : m_rows(maxEntries) {}

int ScoreList::enterResult(const HighScoreStore& store, const Row& result, SortKey key) {
    const QStringList lines = store.readForResultEntry();
    const int rowsRead = fillForResultEntry(lines, m_rows);
    return scores::enterResult(m_rows, rowsRead, result, key);
}

void ScoreList::save(const HighScoreStore& store) const {
    store.writeLines(saveLines(m_rows));
}

void ScoreList::loadNames(const HighScoreStore& store) {
    if (store.exists()) {
        fillForLoadList(store.readLines(), m_rows);
    } else {
        store.createEmptyIfMissing();
    }
}

void ScoreList::loadAsStored(const HighScoreStore& store) {
    if (store.exists()) {
        fillAsStored(store.readLines(), m_rows);
    } else {
        store.createEmptyIfMissing();
    }
}

Row resultRow(const QString& name, qint64 elapsedMs, const QDateTime& finish, int clicks) {
    return {QString(), name, elapsedText(elapsedMs), dateText(finish.date()),
            savedClickText(clicks)};
}

} // namespace scores
