#pragma once
// Answers every window's dialogs from a script and records what was asked. Nothing
// left in a script, or a null text, is a Cancel, so a test never waits for a user.

#include "ui/common/DialogProvider.h"

#include <QDialog>
#include <QLabel>
#include <QPrinter>
#include <QStringList>

#include <utility>
#include <vector>

namespace q7582::test {

class ScriptedDialogs : public DialogProvider {
    using S = const QString&;

public:
    using Box = std::pair<QString, QString>; // title, text

    QStringList answers;           // the text, file and folder dialogs in turn
    QList<bool> oks;               // the OK/Cancel boxes in turn: true for OK
    int yeses = 0;                 // so many Yes/No questions answer Yes, the rest No
    QList<SaveAnswer> saveAnswers; // the Yes/No/Cancel boxes in turn
    QString pdfName;               // where the print dialog prints; empty: cancelled

    QStringList asked, askedTitles;       // the text dialogs' starting texts and captions
    QStringList askedPrompts;             // and their prompts
    std::vector<Box> warnings;            // every box with an OK button only
    std::vector<QMessageBox::Icon> icons; // and its icon
    std::vector<Box> okCancelAsked;
    std::vector<EnterMeans> okCancelEnter; // and what Enter would have pressed in each
    QStringList questions;                 // the Yes/No texts
    QStringList choices;                   // the boxes of buttons of their own in turn: the button pressed
    struct Choice {
        QString text;
        QStringList buttons;
        QString defaultButton;
    };
    std::vector<Choice> choiceBoxes; // those boxes asked
    std::vector<Box> saveBoxes;      // the Yes/No/Cancel boxes asked
    QStringList executed, viewed;    // the dialogs run, the files shown
    QStringList startFolders;        // where each open file or folder dialog started
    QString lastFirmwareLine;        // of the last About box
    QString jobName;                 // of the last print

    std::optional<QString> getText(QWidget*, S caption, S prompt, S text) override
    {
        asked << text;
        askedPrompts << prompt;
        askedTitles << caption;
        const QString a = next();
        return a.isNull() ? std::nullopt : std::optional(a);
    }
    void message(QWidget*, S title, S text, QMessageBox::Icon icon) override
    {
        warnings.emplace_back(title, text);
        icons.push_back(icon);
    }
    bool confirm(QWidget*, S title, S text, QMessageBox::Icon, EnterMeans enter) override
    {
        okCancelAsked.emplace_back(title, text);
        okCancelEnter.push_back(enter);
        return !oks.isEmpty() && oks.takeFirst();
    }
    bool yesNo(QWidget*, S, S text) override
    {
        questions << text;
        return yeses > 0 ? (--yeses, true) : false;
    }
    int choose(QWidget*, S, S text, const QStringList& buttons, int defaultIndex) override
    {
        choiceBoxes.push_back({text, buttons, buttons.value(defaultIndex)});
        return choices.isEmpty() ? -1 : int(buttons.indexOf(choices.takeFirst()));
    }
    SaveAnswer askSave(S caption, S text) override
    {
        saveBoxes.emplace_back(caption, text);
        return saveAnswers.isEmpty() ? SaveAnswer::Cancel : saveAnswers.takeFirst();
    }
    void exec(QDialog& dialog) override
    {
        executed << dialog.objectName();
        if (const auto* firmware = dialog.findChild<QLabel*>("Firmware"))
            lastFirmwareLine = firmware->text();
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        jobName = printer.docName();
        if (pdfName.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfName);
        return true;
    }
    FileResult showTextFile(QWidget*, S path) override
    {
        viewed << path;
        return {};
    }

protected:
    QString chooseOpenFile(QWidget*, S, S dir, S) override
    {
        startFolders << dir;
        return next();
    }
    QString chooseDirectory(QWidget*, S, S dir) override
    {
        startFolders << dir;
        return next();
    }
    QString chooseSaveFile(QWidget*, S, S, S) override { return next(); }

private:
    QString next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

} // namespace q7582::test
