#pragma once
// The modal dialogs every window asks through. Tests pass a scripted provider so that
// nothing blocks.

#include "model/FileIo.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace q7582 {

enum class SaveAnswer { Yes, No, Cancel };
// The button Enter presses in an OK/Cancel box: Cancel where OK overwrites, deletes or
// discards, OK where OK only goes on.
enum class EnterMeans { Cancel, Ok };

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // One-line input; nothing when cancelled.
    virtual std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& text) = 0;
    // A box with an OK button only.
    virtual void message(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) = 0;
    // A box with OK and Cancel: true for OK.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                         EnterMeans enter) = 0;
    // Question with Yes and No, No the default: true for Yes.
    virtual bool yesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with buttons of its own, the last one the Esc key's: the index of the
    // button pressed, -1 when none was. Enter presses defaultIndex.
    virtual int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
                       int defaultIndex) = 0;
    // Yes / No / Cancel, Cancel the default, with no owner window.
    virtual SaveAnswer askSave(const QString& caption, const QString& text) = 0;
    // A modal dialog the window built (About box).
    virtual void exec(QDialog& dialog) = 0;
    // Sets up the printer as the user chose; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The file in a modal read-only viewer; returns when the user closes it.
    virtual FileResult showTextFile(QWidget* parent, const QString& path) = 0;

    // Warning box with an OK button.
    void warning(QWidget* parent, const QString& title, const QString& text)
    {
        message(parent, title, text, QMessageBox::Warning);
    }
    // Warning with OK and Cancel: true for OK.
    bool okCancel(QWidget* parent, const QString& title, const QString& text, EnterMeans enter = EnterMeans::Cancel)
    {
        return confirm(parent, title, text, QMessageBox::Warning, enter);
    }
    // A failed operation, with the system's reason in the text: the one "Errore" box.
    void error(QWidget* parent, const QString& text)
    {
        message(parent, QStringLiteral("Errore"), text, QMessageBox::Critical);
    }
    // A failed file operation's reason in the "Errore" box; nothing for a success.
    void fileError(QWidget* parent, const FileResult& result)
    {
        if (!result.ok)
            error(parent, QString::fromStdString(result.error));
    }

    // File dialogs: the chosen name, empty when cancelled. A name in the working folder
    // is always one that reaches it, also when the folder's own name is not UTF-8
    // (workingFolderLink). Open dialogs without a folder of their own start where the
    // last one was left; the save dialog asks before replacing an existing file.
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);
    QString getExistingDirectory(QWidget* parent, const QString& title);
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);

protected:
    // The dialogs themselves, given the folder they start in.
    virtual QString chooseOpenFile(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter) = 0;
    virtual QString chooseDirectory(QWidget* parent, const QString& title, const QString& dir) = 0;
    virtual QString chooseSaveFile(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter) = 0;

private:
    QString lastFolder_; // for this session only: the settings file keeps no folder
};

// What the window system is given for a caption: X11 shows the program's name for an
// empty one, so an empty caption goes as one space.
QString shownTitle(const QString& title);
// The least width of a message box whose title, `titleAdvance` pixels wide in a font
// `lineHeight` high, should be read whole: the title bar also holds the window's icon
// and buttons. Never wider than the screen; 0 for an empty title.
int messageBoxWidthForTitle(int titleAdvance, int lineHeight, int screenWidth);

class QtDialogProvider final : public DialogProvider {
public:
    std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& text) override;
    void message(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                 EnterMeans enter) override;
    bool yesNo(QWidget* parent, const QString& title, const QString& text) override;
    int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
               int defaultIndex) override;
    SaveAnswer askSave(const QString& caption, const QString& text) override;
    void exec(QDialog& dialog) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    FileResult showTextFile(QWidget* parent, const QString& path) override;

    // The boxes as shown, their titles readable whole.
    static std::unique_ptr<QMessageBox> makeBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons, QWidget* parent);

protected:
    QString chooseOpenFile(QWidget* parent, const QString& title, const QString& dir, const QString& filter) override;
    QString chooseDirectory(QWidget* parent, const QString& title, const QString& dir) override;
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& dir, const QString& filter) override;
};

} // namespace q7582
