#pragma once
// A main window on a LinkShared without a link, in a scratch folder, with scripted
// dialogs and a fixed clock. Tests call the observer methods as the link would.

#include "EventWait.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace q7582::test {

class ScriptedDialogs : public DialogProvider {
public:
    struct Asked {
        QString caption, prompt, text;
    };
    std::deque<QString> answers; // a null QString, or an empty script, cancels
    std::vector<Asked> asked;
    std::vector<std::pair<QString, QString>> warnings;
    std::vector<QString> executed;
    QString lastFirmwareLine;

    std::optional<QString> getText(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& text) override
    {
        asked.push_back({caption, prompt, text});
        if (answers.empty())
            return std::nullopt;
        const QString a = answers.front();
        answers.pop_front();
        if (a.isNull())
            return std::nullopt;
        return std::optional<QString>(a);
    }
    void warning(QWidget*, const QString& title, const QString& text) override { warnings.emplace_back(title, text); }
    void exec(QDialog& dialog) override;

    struct FileAsked {
        QString title, dir, filter;
    };
    std::deque<QString> fileNames;   // answers of the file dialogs; empty cancels
    std::vector<FileAsked> fileAsked;
    std::deque<bool> okCancelAnswers; // none left: Cancel
    std::vector<std::pair<QString, QString>> okCancelAsked;

    QString getOpenFileName(QWidget*, const QString& title, const QString& dir, const QString& filter) override
    {
        return nextFileName(title, dir, filter);
    }
    QString getSaveFileName(QWidget*, const QString& title, const QString& dir, const QString& filter) override
    {
        return nextFileName(title, dir, filter);
    }
    bool okCancel(QWidget*, const QString& title, const QString& text) override
    {
        okCancelAsked.emplace_back(title, text);
        if (okCancelAnswers.empty())
            return false;
        const bool a = okCancelAnswers.front();
        okCancelAnswers.pop_front();
        return a;
    }

private:
    QString nextFileName(const QString& title, const QString& dir, const QString& filter)
    {
        fileAsked.push_back({title, dir, filter});
        if (fileNames.empty())
            return {};
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { window.reset(); }

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void setStatus(const std::function<void(StatusBlock&)>& f) { shared.withStatus(f); }
    StatusBlock status() { return shared.withStatus([](const StatusBlock& s) { return s; }); }
    // The link found a master: connected, and the first refresh is done.
    void connectMaster();
    void refresh() { window->statusDisplayRefresh(); }
    bool takeStatusWrite() { return shared.requests.StatusWriteRequest.exchange(false); }
    bool takeClockWrite() { return shared.requests.ClockWriteRequest.exchange(false); }
    QString text(const QString& name) const;

    // Runs a menu command by its item's objectName.
    void trigger(const QString& action);
    static void click(QWidget* w, Qt::MouseButton button);
    static void doubleClick(QWidget* w);

    QTemporaryDir dir;
    LinkShared shared;
    ScriptedDialogs dialogs;
    QDateTime clock = QDateTime(QDate(2026, 3, 15), QTime(9, 8, 7)); // a Sunday
    std::vector<std::pair<QString, QStringList>> viewerStarts;
    bool viewerInstalled = false;
    std::unique_ptr<TForm1> window;
};

} // namespace q7582::test
