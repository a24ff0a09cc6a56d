#pragma once
// AboutBox: product, version and company compiled into the program, the maker's
// contact text, and the firmware release of the connected device.

#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <QDialog>

class QLabel;

namespace q7582 {

class DialogProvider;
class LinkShared;

// Empty when nothing is connected.
QString firmwareLine(bool connected, bool generatorMode, const StatusBlock& status, const GeneratorStatus& generator);
// The box, modal over parent, with the firmware of the device the link holds.
void showAboutBox(DialogProvider& dialogs, QWidget* parent, LinkShared& shared, bool generatorMode);

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    void setFirmwareLine(const QString& text);

    static QString productText();
    static QString versionText();
    static QString companyText();
    static QString contactText();

private:
    QLabel* firmware_ = nullptr;
};

} // namespace q7582
