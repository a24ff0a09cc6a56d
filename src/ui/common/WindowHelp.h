#pragma once
// How every window offers its help: "?" buttons that open their own topic, and F1 for
// the window's topic (a menu may show F1's action as its "&Help" item). A help button
// never keeps the keyboard focus: leaving one hands it to the window's focus home, so
// that the keys go on working where they did.

#include <QObject>
#include <QPoint>

#include <functional>

class QAbstractButton;
class QAction;
class QPixmap;
class QWidget;

namespace q7582 {

// In the corner of a panel's title, flat until pointed at (the main window); or a framed
// button among the window's controls (the editor, the history window).
enum class HelpButtonLook { TitleCorner, Framed };

// The "?" of a look, drawn once for each pixel ratio.
const QPixmap& helpGlyph(HelpButtonLook look, qreal ratio);

// A help button for topic `context` at `at` on `parent` (a layout may place it instead);
// WindowHelp::connectButtons makes it open its topic.
QAbstractButton* makeHelpButton(QWidget* parent, const char* name, int context, HelpButtonLook look, QPoint at = {});

class WindowHelp : public QObject {
    Q_OBJECT
public:
    using Opener = std::function<void(int context)>;

    // keyName: the objectName of F1's action; keyTopic: the topic F1 opens, asked at each
    // press; open: how a topic opens (none: nothing opens until setOpener gives one).
    WindowHelp(QWidget& window, const char* keyName, std::function<int()> keyTopic, Opener open = {});

    void setOpener(Opener open) { open_ = std::move(open); }
    void open(int context) const;
    // F1 anywhere in the window, captioned "&Help" for a menu that shows it.
    QAction* keyAction() const { return key_; }
    // The help buttons made under the window so far open their topics; leaving one gives
    // the keyboard focus to focusHome.
    void connectButtons(QWidget* focusHome);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Opener open_;
    QAction* key_;
    QWidget* focusHome_ = nullptr;
};

} // namespace q7582
