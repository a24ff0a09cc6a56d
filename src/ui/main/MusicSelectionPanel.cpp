#include "ui/main/MusicSelectionPanel.h"

#include "model/StatusBlock.h"
#include "settings/NameTables.h"
#include "ui/common/HelpContexts.h"
#include "ui/main/MusicCombo.h"
#include "ui/main/Widgets.h"

#include <QPushButton>

namespace q7582 {

MusicSelectionPanel::MusicSelectionPanel(QWidget* parent) : Panel(tr("Music selection"), parent)
{
    placePanel(this, "PanelMuSel", QRect(308, 468, 262, 128), "BbMuSel", HelpContext::MusicSelectionPanel);
    makeLabel(this, tr("Music source"), QRect(8, 28, 100, 16));
    source_ = new MusicCombo(this);
    source_->setObjectName(QStringLiteral("CbMusicAtt"));
    source_->setGeometry(120, 24, 130, 24);
    makeLabel(this, tr("Music on Remote"), QRect(8, 70, 110, 16));
    musicOnRemote_ = makeToggle(this, "SPMoR", QStringLiteral("OFF"), QRect(120, 64, 60, 26));

    connect(source_, &MusicCombo::dropDown, this, &MusicSelectionPanel::listOpened);
    connect(source_, &MusicCombo::closeUp, this, &MusicSelectionPanel::listClosed);
    connect(source_, &QComboBox::activated, this, &MusicSelectionPanel::sourceChosen);
    connect(musicOnRemote_, &QPushButton::clicked, this, &MusicSelectionPanel::musicOnRemoteClicked);
}

void MusicSelectionPanel::showNames(const NameTables& names)
{
    source_->clear();
    for (int n = 1; n <= StatusBlock::MusicSourceCount; ++n)
        source_->addItem(QString::fromStdString(names.musicName(n)));
    source_->setCurrentIndex(-1);
}

void MusicSelectionPanel::showSource(int index) { source_->setCurrentIndex(index < source_->count() ? index : -1); }

QString MusicSelectionPanel::sourceText() const { return source_->currentText(); }

bool MusicSelectionPanel::musicOnRemote() const { return musicOnRemote_->isChecked(); }

void MusicSelectionPanel::showMusicOnRemote(bool on)
{
    musicOnRemote_->setChecked(on);
    musicOnRemote_->setText(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

} // namespace q7582
