#pragma once
// The small controls the window's panels are built from, made one way everywhere.

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace q7582 {

class ClickLabel;

// Names and places a panel, with its help button in the top right corner; the window's
// WindowHelp connects it.
void placePanel(QGroupBox* panel, const char* name, const QRect& geometry, const char* helpName, int helpContext);
QGroupBox* makePanel(QWidget* parent, const QString& title, const char* name, const QRect& geometry,
                     const char* helpName, int helpContext);
QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const char* name = nullptr);
// A framed, centred text (sunken unless told otherwise) whose background the refresh colours.
ClickLabel* makeText(QWidget* parent, const QString& name, const QRect& geometry, bool sunken = true);
// A toggle button: checked is "down".
QPushButton* makeToggle(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);

} // namespace q7582
