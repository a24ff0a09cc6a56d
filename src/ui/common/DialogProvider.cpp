#include "ui/common/DialogProvider.h"

#include "model/FilePath.h"
#include "ui/common/TextFileViewer.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace q7582 {

namespace {

// "." and no folder at all (Qt's way of saying the working folder) become the link
// when Qt cannot reach the working folder by its own name.
QString startFolder(const QString& dir, const QString& link)
{
    return (dir.isEmpty() || dir == u'.') && !link.isEmpty() ? link : dir;
}

} // namespace

QString DialogProvider::getOpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                        const QString& filter)
{
    const QString link = workingFolderLink();
    const QString chosen = chooseOpenFile(parent, title, startFolder(dir.isEmpty() ? lastFolder_ : dir, link), filter);
    if (!chosen.isEmpty())
        lastFolder_ = QFileInfo(chosen).absolutePath();
    return relativeToWorkingFolder(chosen, link);
}

QString DialogProvider::getExistingDirectory(QWidget* parent, const QString& title)
{
    const QString link = workingFolderLink();
    const QString chosen = chooseDirectory(parent, title, startFolder(lastFolder_, link));
    if (!chosen.isEmpty())
        lastFolder_ = QDir(chosen).absolutePath();
    return relativeToWorkingFolder(chosen, link);
}

QString DialogProvider::getSaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                        const QString& filter)
{
    const QString link = workingFolderLink();
    return relativeToWorkingFolder(chooseSaveFile(parent, title, startFolder(dir, link), filter), link);
}

QString shownTitle(const QString& title) { return title.isEmpty() ? QStringLiteral(" ") : title; }

int messageBoxWidthForTitle(int titleAdvance, int lineHeight, int screenWidth)
{
    if (titleAdvance <= 0)
        return 0;
    const int titleBarExtras = 8 * lineHeight; // icon, three buttons, margins
    return std::min(titleAdvance + titleBarExtras, screenWidth);
}

std::unique_ptr<QMessageBox> QtDialogProvider::makeBox(QMessageBox::Icon icon, const QString& title,
                                                       const QString& text, QMessageBox::StandardButtons buttons,
                                                       QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, shownTitle(title), text, buttons, parent);
    // The box sizes itself to its layout when shown: a spacer across it widens it.
    const QFontMetrics metrics(box->font());
    const QScreen* screen = parent ? parent->screen() : box->screen();
    const int width = messageBoxWidthForTitle(metrics.horizontalAdvance(title), metrics.height(),
                                              screen ? screen->availableGeometry().width() : 640);
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

std::optional<QString> QtDialogProvider::getText(QWidget* parent, const QString& caption, const QString& prompt,
                                                 const QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, shownTitle(caption), prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtDialogProvider::message(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon)
{
    makeBox(icon, title, text, QMessageBox::Ok, parent)->exec();
}

bool QtDialogProvider::confirm(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                               EnterMeans enter)
{
    const auto box = makeBox(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->setDefaultButton(enter == EnterMeans::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    return box->exec() == QMessageBox::Ok;
}

bool QtDialogProvider::yesNo(QWidget* parent, const QString& title, const QString& text)
{
    const auto box = makeBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

int QtDialogProvider::choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
                             int defaultIndex)
{
    const auto box = makeBox(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    std::vector<QPushButton*> pushed;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        pushed.push_back(
            box->addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    if (defaultIndex >= 0 && std::size_t(defaultIndex) < pushed.size())
        box->setDefaultButton(pushed[std::size_t(defaultIndex)]);
    if (!pushed.empty())
        box->setEscapeButton(pushed.back());
    box->setWindowModality(Qt::WindowModal); // the report viewer it may have opened stays usable
    box->exec();
    const auto clicked = std::find(pushed.begin(), pushed.end(), box->clickedButton());
    return clicked == pushed.end() ? -1 : int(clicked - pushed.begin());
}

SaveAnswer QtDialogProvider::askSave(const QString& caption, const QString& text)
{
    const auto box = makeBox(QMessageBox::Question, caption, text,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, nullptr);
    box->setDefaultButton(QMessageBox::Cancel);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void QtDialogProvider::exec(QDialog& dialog) { dialog.exec(); }

QString QtDialogProvider::chooseOpenFile(QWidget* parent, const QString& title, const QString& dir,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtDialogProvider::chooseSaveFile(QWidget* parent, const QString& title, const QString& dir,
                                         const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString QtDialogProvider::chooseDirectory(QWidget* parent, const QString& title, const QString& dir)
{
    return QFileDialog::getExistingDirectory(parent, title, dir);
}

bool QtDialogProvider::choosePrinter(QWidget* parent, QPrinter& printer)
{
    // The whole document is printed, so no page range or selection is offered.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

FileResult QtDialogProvider::showTextFile(QWidget* parent, const QString& path)
{
    return showTextFileModal(parent, path);
}

} // namespace q7582
