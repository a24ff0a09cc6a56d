#include "ui/config/IoLogicPage.h"

#include "ui/config/CellLabel.h"
#include "ui/config/EditorPictures.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace q7582 {

namespace {

constexpr int InTop = 10, RisingTop = 35, FallingTop = 60, PriorityTop = 85, OutTop = 155;
constexpr int Width = 15, Height = 21;

int columnX(int k) { return 220 + 15 * k + 10 * (k / 6); }

QLabel* staticText(QWidget* page, const QString& text, int x, int y, int w)
{
    auto* l = new QLabel(text, page);
    l->setGeometry(x, y, w, Height);
    return l;
}

QToolButton* edgeButton(QWidget* page, const QPixmap& picture, const QString& name, int x, int y)
{
    auto* b = new QToolButton(page);
    b->setObjectName(name);
    b->setCheckable(true);
    b->setIcon(QIcon(picture));
    b->setIconSize(picture.size());
    b->setGeometry(x, y, Width, Height);
    return b;
}

void legend(QWidget* page, CellColour colour, const QString& text, int x, int y)
{
    auto* swatch = new CellLabel(QString(), page, false);
    swatch->setColour(colour);
    swatch->setGeometry(x, y, 15, 15);
    swatch->setFixedHeight(15);
    staticText(page, text, x + 20, y - 3, 110);
}

} // namespace

IoLogicPage::IoLogicPage(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TSinout"));
    auto* inContact = new CellLabel(tr("In contact"), this);
    inContact->setObjectName(QStringLiteral("InContact"));
    inContact->setGeometry(30, InTop, 75, Height);
    inContact->setFaceColour();
    auto* outContact = new CellLabel(tr("Out contact"), this);
    outContact->setObjectName(QStringLiteral("OutContact"));
    outContact->setGeometry(30, OutTop, 75, Height);
    outContact->setFaceColour();
    for (CellLabel* contact : {inContact, outContact}) // wider where a caption needs it
        contact->resize(std::max(contact->width(), contact->sizeHint().width()), Height);
    connect(inContact, &CellLabel::clicked, this, &IoLogicPage::inputContactsClicked);
    connect(outContact, &CellLabel::clicked, this, &IoLogicPage::outputContactsClicked);

    staticText(this, tr("Level"), 130, InTop, 90);
    staticText(this, tr("Rising edge"), 130, RisingTop, 90);
    staticText(this, tr("Falling edge"), 130, FallingTop, 90);
    staticText(this, tr("Priority"), 130, PriorityTop, 90);
    staticText(this, tr("Level"), 130, OutTop, 90);
    for (int g = 0; g < 6; ++g) {
        QLabel* card = staticText(this, tr("Card %1").arg(g + 1), columnX(6 * g), PriorityTop + 25, 90);
        card->setAlignment(Qt::AlignCenter);
    }
    legend(this, CellColour::Green, tr("Positive logic"), 220, 195);
    legend(this, CellColour::Red, tr("Negative logic"), 370, 195);

    for (int k = 0; k < IoLineCount; ++k) {
        const int x = columnX(k);
        inputs_[k] = new CellLabel(QString::number(k + 1), this);
        inputs_[k]->setObjectName(QStringLiteral("InCell%1").arg(k));
        inputs_[k]->setGeometry(x, InTop, Width, Height);
        rising_[k] =
            edgeButton(this, editorPictures::risingEdge(), QStringLiteral("RiseButton%1").arg(k), x, RisingTop);
        falling_[k] =
            edgeButton(this, editorPictures::fallingEdge(), QStringLiteral("FallButton%1").arg(k), x, FallingTop);
        priorities_[k] = new CellLabel(QString(), this);
        priorities_[k]->setObjectName(QStringLiteral("PriorityBox%1").arg(k));
        priorities_[k]->setGeometry(x, PriorityTop, Width, Height);
        outputs_[k] = new CellLabel(QString::number(k + 1), this);
        outputs_[k]->setObjectName(QStringLiteral("OutCell%1").arg(k));
        outputs_[k]->setGeometry(x, OutTop, Width, Height);
        for (CellLabel* c : {inputs_[k], priorities_[k], outputs_[k]}) {
            QFont f = c->font();
            f.setPixelSize(9);
            c->setFont(f);
        }
        connect(inputs_[k], &CellLabel::clicked, this, [this, k] { inputCellClicked(k); });
        connect(outputs_[k], &CellLabel::clicked, this, [this, k] { outputCellClicked(k); });
        connect(priorities_[k], &CellLabel::clicked, this, [this, k] { priorityBoxClicked(k); });
        connect(rising_[k], &QToolButton::clicked, this, [this, k] { risingEdgeClicked(k); });
        connect(falling_[k], &QToolButton::clicked, this, [this, k] { fallingEdgeClicked(k); });
    }
}

void IoLogicPage::refresh()
{
    for (int k = 0; k < IoLineCount; ++k) {
        const InputShown s = showInput(line(k));
        inputs_[k]->setColour(s.cell);
        rising_[k]->setChecked(s.rising);
        falling_[k]->setChecked(s.falling);
        priorities_[k]->setText(QString::number(s.priority));
        outputs_[k]->setColour(outputColour(line(k)));
    }
    session_.noteShown();
}

void IoLogicPage::inputCellClicked(int k)
{
    inputs_[k]->setColour(toggleInputLogic(line(k), inputs_[k]->colour()));
    rising_[k]->setChecked(false);
    falling_[k]->setChecked(false);
    session_.markModified();
}

void IoLogicPage::outputCellClicked(int k)
{
    outputs_[k]->setColour(toggleOutputLogic(line(k), outputs_[k]->colour()));
    session_.markModified();
}

void IoLogicPage::risingEdgeClicked(int k)
{
    if (const auto c = risingEdge(line(k), rising_[k]->isChecked(), falling_[k]->isChecked()))
        inputs_[k]->setColour(*c);
    session_.markModified();
}

void IoLogicPage::fallingEdgeClicked(int k)
{
    if (const auto c = fallingEdge(line(k), falling_[k]->isChecked(), rising_[k]->isChecked()))
        inputs_[k]->setColour(*c);
    session_.markModified();
}

void IoLogicPage::priorityBoxClicked(int k)
{
    priorities_[k]->setText(QString::number(stepPriority(line(k), priorities_[k]->text().toInt())));
    session_.markModified();
}

void IoLogicPage::inputContactsClicked()
{
    toggleInContacts(session_.workingCopy);
    refresh();
    session_.markModified();
}

void IoLogicPage::outputContactsClicked()
{
    toggleOutContacts(session_.workingCopy);
    refresh();
    session_.markModified();
}

} // namespace q7582
