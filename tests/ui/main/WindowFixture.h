#pragma once
// A main window on a LinkShared without a link, in a scratch folder, with scripted
// dialogs and a fixed clock. Tests call the observer methods as the link would.

#include "EventWait.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace q7582::test {

// Answers come from the scripts; an empty script (or a null QString) cancels.
class ScriptedDialogs : public DialogProvider {
public:
    std::deque<QString> answers, fileNames;
    std::deque<bool> okCancelAnswers;
    std::vector<QString> asked;    // the text each one-line dialog started from
    std::vector<QString> okCancelAsked;
    std::vector<std::pair<QString, QString>> warnings;
    QString lastExecuted, lastFirmwareLine;

    std::optional<QString> getText(QWidget*, const QString&, const QString&, const QString& text) override
    {
        asked.push_back(text);
        const QString a = next(answers, QString());
        return a.isNull() ? std::nullopt : std::optional<QString>(a);
    }
    void warning(QWidget*, const QString& title, const QString& text) override { warnings.emplace_back(title, text); }
    void exec(QDialog& dialog) override
    {
        lastExecuted = dialog.objectName();
        if (auto* fw = dialog.findChild<QLabel*>(QStringLiteral("Firmware")))
            lastFirmwareLine = fw->text();
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return next(fileNames, QString());
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return next(fileNames, QString());
    }
    bool okCancel(QWidget*, const QString&, const QString& text) override
    {
        okCancelAsked.push_back(text);
        return next(okCancelAnswers, false);
    }

private:
    template <typename T>
    static T next(std::deque<T>& script, T none)
    {
        if (script.empty())
            return none;
        T a = script.front();
        script.pop_front();
        return a;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
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

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& name) const
    {
        if (auto* l = window->findChild<QLabel*>(name))
            return l->text();
        auto* b = find<QAbstractButton>(name);
        return b ? b->text() : QString();
    }
    void setStatus(const std::function<void(StatusBlock&)>& f) { shared.withStatus(f); }
    StatusBlock status() { return shared.withStatus([](const StatusBlock& s) { return s; }); }
    // The link found a master: connected, and the first refresh is done.
    void connectMaster()
    {
        shared.connectionState = Connected;
        shared.justConnected = true;
        window->repaintStatusBar();
        refresh();
    }
    void refresh() { window->statusDisplayRefresh(); }
    bool takeStatusWrite() { return shared.requests.StatusWriteRequest.exchange(false); }
    bool takeClockWrite() { return shared.requests.ClockWriteRequest.exchange(false); }
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Runs a menu command by its item's objectName.
    void trigger(const QString& action)
    {
        if (auto* a = find<QAction>(action))
            a->trigger();
    }

    static void click(QWidget* w, Qt::MouseButton button)
    {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            send(w, type, button, type == QEvent::MouseButtonPress ? button : Qt::NoButton);
    }
    static void doubleClick(QWidget* w) { send(w, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton); }
    static void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    QTemporaryDir dir;
    LinkShared shared;
    ScriptedDialogs dialogs;
    QDateTime clock = QDateTime(QDate(2026, 3, 15), QTime(9, 8, 7)); // a Sunday
    std::vector<std::pair<QString, QStringList>> viewerStarts;
    bool viewerInstalled = false;
    std::unique_ptr<TForm1> window;
};

} // namespace q7582::test
