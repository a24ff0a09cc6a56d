#include "ui/main/AboutBox.h"

#include "link/LinkShared.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/ScreenFit.h"
#include "ui/main/Icons.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace q7582 {

QString firmwareLine(bool connected, bool generatorMode, const StatusBlock& status, const GeneratorStatus& generator)
{
    if (!connected)
        return {};
    if (generatorMode)
        return AboutBox::tr("RKDV7582 firmware release: %1.%2")
            .arg(generator.firmwareRelease(0))
            .arg(generator.firmwareRelease(1));
    return AboutBox::tr("Q7582 firmware release: %1.%2").arg(status.firmwareRelease(0)).arg(status.firmwareRelease(1));
}

// Compiled in: the box shows them whatever the working directory or the program's name.
QString AboutBox::productText() { return tr("Product : ") + QStringLiteral(Q7582_DESCRIPTION); }
QString AboutBox::versionText() { return tr("Version: ") + QStringLiteral(Q7582_VERSION); }
QString AboutBox::companyText() { return tr("Company Name: ") + QStringLiteral(Q7582_COMPANY); }

QString AboutBox::contactText()
{
    return QStringLiteral(Q7582_COMPANY)
           + QStringLiteral("\nVia dell'Industria 12, 00100 Roma, Italia\nwww.q7582.example");
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBoxMain"));
    setWindowTitle(tr("About"));
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 282, 170);

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setPixmap(icons::logo().pixmap(40, 40));
    logo->setGeometry(8, 8, 40, 40);

    auto label = [panel](const char* name, const QString& text, const QRect& geometry) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(geometry);
        return l;
    };
    label("ProductName", productText(), QRect(56, 8, 220, 16));
    label("Version", versionText(), QRect(56, 26, 220, 16));
    firmware_ = label("Firmware", QString(), QRect(56, 44, 220, 16));
    label("CompanyName", companyText(), QRect(56, 62, 220, 16));
    QLabel* comments = label("Comments", contactText(), QRect(16, 90, 250, 50));
    comments->setAlignment(Qt::AlignCenter);
    comments->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(112, 186, 75, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitFixedWindow(*this, QSize(298, 220));
}

void AboutBox::setFirmwareLine(const QString& text) { firmware_->setText(text); }

void showAboutBox(DialogProvider& dialogs, QWidget* parent, LinkShared& shared, bool generatorMode)
{
    const bool connected = shared.connectionState.load() == ConnectionState::Connected;
    const StatusBlock sb = shared.withStatus([](const StatusBlock& s) { return s; });
    const GeneratorStatus gen = shared.withGenerator([](const GeneratorStatus& g) { return g; });
    AboutBox box(parent);
    box.setFirmwareLine(firmwareLine(connected, generatorMode, sb, gen));
    dialogs.exec(box);
}

} // namespace q7582
