#pragma once
// The modal questions the main window asks. Tests pass a scripted provider so that
// nothing blocks.

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace q7582 {

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // One-line input; nothing when cancelled.
    virtual std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& text) = 0;
    // Warning box with an OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal dialog the window built (About box).
    virtual void exec(QDialog& dialog) = 0;
    // File dialogs: the chosen name, empty when cancelled. A provider that does not
    // answer them cancels.
    virtual QString getOpenFileName(QWidget* /*parent*/, const QString& /*title*/, const QString& /*dir*/,
                                    const QString& /*filter*/)
    {
        return {};
    }
    // Asks before replacing an existing file, as the platform's save dialog does.
    virtual QString getSaveFileName(QWidget* /*parent*/, const QString& /*title*/, const QString& /*dir*/,
                                    const QString& /*filter*/)
    {
        return {};
    }
    // Warning with OK and Cancel: true for OK.
    virtual bool okCancel(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/) { return false; }
    // Question with Yes and No, No the default: true for Yes.
    virtual bool yesNo(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/) { return false; }
};

class QtDialogProvider : public DialogProvider {
public:
    std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    void exec(QDialog& dialog) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter) override;
    bool okCancel(QWidget* parent, const QString& title, const QString& text) override;
    bool yesNo(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace q7582
