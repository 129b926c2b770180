// The high-score list on screen and in its file, and the player's name.

// own
#include "app/InfoTexts.h"
#include "app/Layout.h"
#include "app/PictureBox.h"
#include "app/Unit1.h"
#include "game/GameState.h"
#include "game/Life.h"
#include "scores/HighScoreStore.h"
#include "scores/Ranking.h"
#include "scores/ResultTexts.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

using layout::Blue;
using layout::DarkRed;
using layout::Red;

// The heading spaces its words with runs of blanks; widen or narrow the
// blanks so that its last word ("clicks") stands over the grid's last column
// in whatever font the desktop gives.
void alignHeading(QLabel* label, const QTableWidget* grid) {
    const QString heading = scores::heading();
    const int clicksAt = static_cast<int>(heading.lastIndexOf(QLatin1Char(' '))) + 1;
    const int blanks = static_cast<int>(heading.left(clicksAt).count(QLatin1Char(' ')));
    QFont font = label->font();
    font.setWordSpacing(0);
    const int natural = QFontMetrics(font).horizontalAdvance(heading.left(clicksAt));
    int target = grid->frameWidth() + 4;
    for (int c = 0; c < layout::GridColumns - 1; ++c) {
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

scores::SortKey TForm1::sortKey() const {
    return m_state.sortclick ? scores::SortKey::Clicks : scores::SortKey::Time;
}

void TForm1::showList() {
    // The grid only shows the list's rows; it is never read back.
    const scores::Table& rows = m_list.rows();
    for (int r = 0; r < StringGrid1->rowCount() && r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < layout::GridColumns; ++c) {
            StringGrid1->item(r, c)->setText(
                rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    StringGrid1->repaint();
}

scores::ListLock TForm1::lockList() {
    return scores::ListLock(m_state.folder, m_services.pause);
}

void TForm1::showResult(const QDateTime& finish, qint64 takenMs) {
    setFontColour(Label2, Red);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->show();
    showHeading(Label3, StringGrid1);
    Label2->setText(scores::resultLine(scores::timeText(finish.time()),
                                       scores::elapsedText(takenMs),
                                       scores::clickText(m_state.clicks)));
}

void TForm1::highscore(const QDateTime& finish, qint64 takenMs) {
    m_list.enterResult(scores::HighScoreStore(m_state.folder),
                       scores::resultRow(m_state.playername, takenMs, finish, m_state.clicks),
                       sortKey());
    showList();
}

void TForm1::SaveHigh() {
    m_list.save(scores::HighScoreStore(m_state.folder));
}

void TForm1::loadlist() {
    Edit1->repaint();
    m_list.loadNames(scores::HighScoreStore(m_state.folder));
    showList();
}

void TForm1::currenthighscores1Click() {
    Label8->setText(game::rankingMark(m_state));
    setWindowHeight(layout::WithListHeight);
    StringGrid1->show();
    Progressbar1->hide();
    showHeading(Label3, StringGrid1);
    Label3->raise();
    Edit1->repaint();
    m_list.loadAsStored(scores::HighScoreStore(m_state.folder));
    showList();
    {
        const scores::ListLock lock = lockList();
        sort();
    }
    m_services.pause.pause(800);
    setFontColour(Label3, Blue);
}

void TForm1::highscoresoff1Click() {
    Label8->setText(game::rankingMark(m_state));
    StringGrid1->hide();
    setWindowHeight(layout::BoardOnlyHeight);
    setFontColour(Label3, Blue);
    QFont font = Label3->font();
    font.setPointSize(11);
    font.setWordSpacing(0);
    Label3->setFont(font);
    Label3->setText(info::namePrompt());
    Label3->hide();
}

void TForm1::sort() {
    const scores::RankResult result = scores::HighScoreStore(m_state.folder).sort(sortKey());
    if (result.compared) {
        Label8->setText(game::rankingMark(m_state));
    }
    Label1->show();
    Label1->setText(Label1->text() + scores::rankedListText(result.lines));
}

void TForm1::sortontime1Click() {
    game::chooseRanking(m_state, game::RankBy::Time);
    Label8->setText(game::rankingMark(m_state));
    const scores::ListLock lock = lockList();
    sort();
}

void TForm1::sortonclick1Click() {
    game::chooseRanking(m_state, game::RankBy::Clicks);
    Label8->setText(game::rankingMark(m_state));
    const scores::ListLock lock = lockList();
    sort();
}

void TForm1::newlst1Click() {
    {
        const scores::ListLock lock = lockList();
        scores::HighScoreStore(m_state.folder).newList();
    }
    m_services.pause.pause(100);
}

void TForm1::Panel1Click() {
    Label8->setText(game::rankingMark(m_state));
    setGridColumnWidths(StringGrid1);
    loadlist();
    Progressbar1->show();
    game::takeName(m_state, scores::playerName(Edit1->text()));
    Label2->hide();
    QFont font = Label3->font();
    font.setBold(true);
    font.setWordSpacing(0);
    Label3->setFont(font);
    setFontColour(Label3, DarkRed);
    Label3->setText(info::playPrompt());
    Edit1->hide();
    Panel1->hide();
    // Play goes on with the keyboard from the first card.
    Image1->setFocus(Qt::OtherFocusReason);
}
