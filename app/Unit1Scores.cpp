// The high-score list on screen and in its file, and the player's name.

// own
#include "app/Unit1.h"
#include "game/GameState.h"
#include "scores/HighScoreStore.h"
#include "scores/Ranking.h"
#include "scores/ResultTexts.h"
#include "scores/ScoreLine.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor DarkRed(128, 0, 0);

scores::Table tableOf(const QTableWidget* grid) {
    scores::Table table(static_cast<std::size_t>(grid->rowCount()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < 5; ++c) {
            const QTableWidgetItem* item = grid->item(r, c);
            table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                item != nullptr ? item->text() : QString();
        }
    }
    return table;
}

void showTable(QTableWidget* grid, const scores::Table& table) {
    for (int r = 0; r < grid->rowCount() && r < static_cast<int>(table.size()); ++r) {
        for (int c = 0; c < 5; ++c) {
            grid->item(r, c)->setText(
                table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    grid->repaint();
}

// The heading spaces its words with runs of blanks; widen or narrow the
// blanks so that "clicks" stands over the grid's last column in whatever
// font the desktop gives.
void alignHeading(QLabel* label, const QTableWidget* grid) {
    const QString heading = scores::heading();
    const int clicksAt = static_cast<int>(heading.indexOf(QStringLiteral("clicks")));
    const int blanks = static_cast<int>(heading.left(clicksAt).count(QLatin1Char(' ')));
    QFont font = label->font();
    font.setWordSpacing(0);
    const int natural = QFontMetrics(font).horizontalAdvance(heading.left(clicksAt));
    int target = grid->frameWidth() + 4;
    for (int c = 0; c < 4; ++c) {
        target += grid->columnWidth(c);
    }
    target += grid->x() - label->x();
    font.setWordSpacing(static_cast<qreal>(target - natural) / blanks);
    label->setFont(font);
}

void showHeading(QLabel* label, const QTableWidget* grid) {
    label->show();
    setFontColour(label, Red);
    QFont font = label->font();
    font.setPointSize(11);
    label->setFont(font);
    label->setText(scores::heading());
    alignHeading(label, grid);
}

} // namespace

namespace {

// The chosen ranking: clicks unless time was chosen (start-up chooses clicks).
scores::SortKey sortKeyOf(const game::GameState& state) {
    return state.sortclick ? scores::SortKey::Clicks : scores::SortKey::Time;
}

} // namespace

QString TForm1::rankingMark() const {
    return m_state.sortclick ? QStringLiteral("C") : QStringLiteral("T");
}

void TForm1::showResult(const QDateTime& finish) {
    setFontColour(Label2, Red);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->show();
    showHeading(Label3, StringGrid1);
    Label2->setText(scores::resultLine(scores::timeText(finish.time()),
                                       scores::elapsedText(m_state.starttime, finish),
                                       scores::clickText(m_state.clicks)));
}

void TForm1::highscore(const QDateTime& finish) {
    const scores::HighScoreStore store(m_state.gamedir);
    scores::Table table = tableOf(StringGrid1);
    const int rows = scores::fillForResultEntry(store.readForResultEntry(), table);
    const scores::Row result{QString::number(rows + 1), m_state.playername,
                             scores::elapsedText(m_state.starttime, finish),
                             scores::dateText(finish.date()),
                             scores::savedClickText(m_state.clicks)};
    scores::enterResult(table, rows, result, sortKeyOf(m_state));
    showTable(StringGrid1, table);
}

void TForm1::SaveHigh() {
    scores::HighScoreStore(m_state.gamedir).writeLines(scores::saveLines(tableOf(StringGrid1)));
}

void TForm1::loadlist() {
    Edit1->repaint();
    const scores::HighScoreStore store(m_state.gamedir);
    if (store.exists()) {
        scores::Table table = tableOf(StringGrid1);
        scores::fillForLoadList(store.readLines(), table);
        showTable(StringGrid1, table);
    } else {
        store.createEmptyIfMissing();
    }
}

void TForm1::currenthighscores1Click() {
    Label8->setText(rankingMark());
    setWindowHeight(770);
    StringGrid1->show();
    Progressbar1->hide();
    showHeading(Label3, StringGrid1);
    Label3->raise();
    Edit1->repaint();
    const scores::HighScoreStore store(m_state.gamedir);
    if (store.exists()) {
        scores::Table table = tableOf(StringGrid1);
        scores::fillAsStored(store.readLines(), table);
        showTable(StringGrid1, table);
    } else {
        store.createEmptyIfMissing();
    }
    {
        const scores::ListLock lock(m_state.gamedir);
        sort();
    }
    m_services.pause.pause(800);
    setFontColour(Label3, Blue);
}

void TForm1::highscoresoff1Click() {
    Label8->setText(rankingMark());
    StringGrid1->hide();
    setWindowHeight(485);
    setFontColour(Label3, Blue);
    QFont font = Label3->font();
    font.setPointSize(11);
    font.setWordSpacing(0);
    Label3->setFont(font);
    Label3->setText(scores::namePrompt());
    Label3->hide();
}

void TForm1::sort() {
    const scores::RankResult result =
        scores::HighScoreStore(m_state.gamedir).sort(sortKeyOf(m_state));
    if (result.compared) {
        Label8->setText(rankingMark());
    }
    Label1->show();
    QString text = Label1->text();
    for (const QString& line : result.lines) {
        text += QStringLiteral("\n\r") + line;
    }
    Label1->setText(text);
}

void TForm1::sortontime1Click() {
    Label8->setText(QStringLiteral("T"));
    m_state.sorttime = true;
    m_state.sortclick = false;
    const scores::ListLock lock(m_state.gamedir);
    sort();
}

void TForm1::sortonclick1Click() {
    Label8->setText(QStringLiteral("C"));
    m_state.sortclick = true;
    m_state.sorttime = false;
    const scores::ListLock lock(m_state.gamedir);
    sort();
}

void TForm1::newlst1Click() {
    {
        const scores::ListLock lock(m_state.gamedir);
        scores::HighScoreStore(m_state.gamedir).newList();
    }
    m_services.pause.pause(100);
}

void TForm1::Panel1Click() {
    Label8->setText(rankingMark());
    const int widths[] = {30, 200, 100, 100, 35};
    for (int c = 0; c < 5; ++c) {
        StringGrid1->setColumnWidth(c, widths[c]);
    }
    loadlist();
    Progressbar1->show();
    m_state.playername = scores::playerName(Edit1->text());
    Label2->hide();
    QFont font = Label3->font();
    font.setBold(true);
    font.setWordSpacing(0);
    Label3->setFont(font);
    setFontColour(Label3, DarkRed);
    Label3->setText(QStringLiteral("Now please click on the icons and find pairs!"));
    Edit1->hide();
    Panel1->hide();
    // Play goes on with the keyboard from the first card.
    findChild<QWidget*>(QStringLiteral("Image1"))->setFocus(Qt::OtherFocusReason);
}
