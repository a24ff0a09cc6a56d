#pragma once
// Files dropped on the main window: whatever carries file names is taken while `accepts`
// says so (a master's window, not the generator's) and handed to `open`, which decides
// what to do with one file, several, a folder or a pipe.

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

class QWidget;

namespace q7582 {

class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget* window, std::function<bool()> accepts, std::function<void(const QList<QUrl>&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> accepts_;
    std::function<void(const QList<QUrl>&)> open_;
};

} // namespace q7582
