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
};

class QtDialogProvider : public DialogProvider {
public:
    std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    void exec(QDialog& dialog) override;
};

} // namespace q7582
