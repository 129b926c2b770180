// Menu commands that inform, the sound switch and the status bar clock.

// own
#include "app/InfoTexts.h"
#include "app/PictureBox.h"
#include "app/StatusClock.h"
#include "app/Unit1.h"
#include "assets/AssetFiles.h"
#include "game/GameState.h"
#include "game/Life.h"

// Qt
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

void TForm1::mem() {
    Label4->show();
    Label5->show();
    Label5->setText(info::freeMemoryText(m_services.system.availablePhysicalMemory()));
}

void TForm1::instructions1Click() {
    Label4->show();
    Label5->show();
    m_services.dialogs.message(info::instructionsCaption(), info::instructionsText(),
                               Dialogs::Icon::None);
}

void TForm1::versin1Click() {
    Label6->show();
    Label6->raise();
    Label6->setText(info::versionText());
    // As tall as the text needs in the window's font, and at least as before.
    Label6->resize(Label6->width(), qMax(124, Label6->heightForWidth(Label6->width())));
}

void TForm1::designer1Click() {
    Image37->show();
    Image37->raise();
    // The picture lies in the folder the game started in.
    Image37->setPicture(
        assets::loadPicture(m_state.folder, QFileInfo(game::designerPicture()).completeBaseName()));
    Image37->setStretch(true);
    m_services.pause.pause(2500);
    Image37->hide();
}

void TForm1::publishinghouse1Click() {
    m_services.desktop.openUrl(info::webSiteUrl());
}

void TForm1::mailtopublisher1Click() {
    m_services.desktop.openUrl(info::mailUrl());
}

void TForm1::freememory1Click() {
    mem();
    Label7->show();
    Label7->setText(info::processorsText(m_services.system.processorCount()));
}

void TForm1::donation1Click() {
    m_services.dialogs.message(info::donationCaption(), info::donationText(),
                               Dialogs::Icon::Information);
}

void TForm1::sound1Click() {
    game::switchSound(m_state, true);
    m_services.sound.play(game::soundOnSound());
}

void TForm1::soundoff1Click() {
    game::switchSound(m_state, false);
}

void TForm1::Timer1Timer() {
    const QDateTime now = m_services.clock.now();
    m_statusPanels[1]->setText(statusclock::dateText(now.date(), info::textLocale()));
    m_statusPanels[2]->setText(statusclock::timeText(now));
}

void TForm1::armClock() {
    // Wake just after each second boundary, so the seconds neither skip nor
    // stall, and the processor sleeps in between.
    Timer1->start(statusclock::msToNextSecond(QTime::currentTime()));
}
