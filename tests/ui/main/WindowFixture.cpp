#include "WindowFixture.h"

#include "ui/main/About.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QLabel>

namespace q7582::test {

void ScriptedDialogs::exec(QDialog& dialog)
{
    executed.push_back(dialog.objectName());
    if (auto* fw = dialog.findChild<QLabel*>(QStringLiteral("Firmware")))
        lastFirmwareLine = fw->text();
}

void WindowTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    TForm1::Options o;
    o.dir = dir.path().toStdString();
    o.dialogs = &dialogs;
    o.now = [this] { return clock; };
    o.help.findViewer = [this] { return viewerInstalled ? QStringLiteral("/usr/bin/xchm") : QString(); };
    o.help.startDetached = [this](const QString& program, const QStringList& args) {
        viewerStarts.emplace_back(program, args);
        return true;
    };
    o.help.fileExists = [](const QString& path) { return QFileInfo(path).isFile(); };
    window = std::make_unique<TForm1>(shared, o);
}

void WindowTest::connectMaster()
{
    shared.connectionState = Connected;
    shared.justConnected = true;
    window->repaintStatusBar();
    refresh();
    takeStatusWrite();
    takeClockWrite();
}

QString WindowTest::text(const QString& name) const
{
    if (auto* l = window->findChild<QLabel*>(name))
        return l->text();
    if (auto* b = window->findChild<QAbstractButton*>(name))
        return b->text();
    ADD_FAILURE() << "no text control " << name.toStdString();
    return {};
}

void WindowTest::trigger(const QString& action)
{
    QAction* a = window->findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action.toStdString();
    a->trigger();
}

void WindowTest::click(QWidget* w, Qt::MouseButton button)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void WindowTest::doubleClick(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace q7582::test
