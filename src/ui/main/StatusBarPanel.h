#pragma once
// The window's status bar `StatusBar1`: connection icon, progress with the Cancel button,
// activity, configuration caption (or a passing notice in its place) and access hint.
// It reads the link's shared counters; the window says when.

#include <QStatusBar>

class QAction;
class QLabel;
class QMainWindow;
class QTimer;
class QToolButton;

namespace q7582 {

class ConnectionIcon;
class Meter;
class LinkShared;

class StatusBarPanel : public QStatusBar {
    Q_OBJECT
public:
    // The Esc action goes on the window, so that it works anywhere in it.
    StatusBarPanel(const LinkShared& shared, QMainWindow* window);

    void showConnection();
    void showActivity();
    // The device is there but cannot be had: say why, and what fixes it.
    void showAccess();
    // Panel 5: the open site's name, hidden when there is none.
    void showSite(const QString& name);
    // Panel 3: the notice while there is one, else the caption; each with its tool tip.
    void showCaption(const QString& caption, const QString& toolTip);
    // Panel 3's width: a longer text widens it from the least up to the most.
    void setCaptionWidth(int least, int most = QWIDGETSIZE_MAX);
    // A line in place of the configuration caption; a timed one goes after a while.
    void showNotice(const QString& text, bool timed, const QString& detail = {});
    void clearNotice();
    const QString& notice() const { return notice_; }
    // Shows the Cancel button and enables Esc, or hides and disables both.
    void offerCancel(bool offered);

signals:
    void cancelClicked();
    // The notice came or went: the caption should be shown again.
    void noticeChanged();

private:
    void buildCancelButton(QWidget* progressPanel, QMainWindow* window);

    const LinkShared& shared_;
    ConnectionIcon* connectionIcon_;
    Meter* progressBar_;
    QLabel* activityText_;
    QLabel* captionText_;
    QLabel* accessText_;
    QLabel* siteText_;
    QToolButton* cancelButton_ = nullptr;
    QAction* cancelKey_ = nullptr;
    QTimer* noticeTimer_;
    QString notice_, noticeDetail_;
};

} // namespace q7582
