#pragma once
// The modal questions of the configuration editor, behind an interface so that tests
// answer them from a script and nothing blocks.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace q7582 {

enum class SaveAnswer { Yes, No, Cancel };

class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // One-line input with the given title and prompt; nothing when cancelled.
    virtual std::optional<QString> getText(QWidget* parent, const QString& title, const QString& prompt,
                                           const QString& text) = 0;
    // Yes / No / Cancel box with no owner window.
    virtual SaveAnswer askSave(const QString& caption, const QString& text) = 0;
    // A refusal with an OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtEditorDialogs final : public EditorDialogs {
public:
    std::optional<QString> getText(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& text) override;
    SaveAnswer askSave(const QString& caption, const QString& text) override;
    void message(QWidget* parent, const QString& title, const QString& text) override;
};

// An accepted answer and whether its text differs from the pre-filled one (which is
// what marks the configuration modified, even for "007" against "7").
struct Answer {
    int value = 0;
    bool changed = false;
};

// Asks until `accept` takes the answer. Cancel keeps the value as it was: nothing.
std::optional<Answer> askUntilValid(EditorDialogs& dialogs, QWidget* parent, const QString& title,
                                    const QString& prompt, const QString& prefill,
                                    const std::function<std::optional<int>(const QString&)>& accept);

// The output event dialog of the grid pages and the timer page, from the box text.
std::optional<Answer> askOutputEvent(EditorDialogs& dialogs, QWidget* parent, const QString& boxText);

} // namespace q7582
