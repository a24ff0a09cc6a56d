#pragma once
// The level panels: "Speech" and "Music" (a main level and five input levels each) and
// "VOX" (two thresholds and the two input meters). They own their sliders and report a
// moved slider; the window decides whether that is the user's change.

#include "ui/main/Panel.h"
#include "ui/main/PendingChanges.h"

#include <array>
#include <vector>

class QSlider;

namespace q7582 {

class ClickLabel;
class Meter;
class NameTables;
class StatusBlock;

// A panel of level sliders, each named `LevelSlidersN` after its live parameter N.
class LevelSliderPanel : public Panel {
    Q_OBJECT
public:
    LevelSliderPanel(const QString& title, QWidget* parent);
    const std::vector<QSlider*>& sliders() const { return sliders_; }

signals:
    void levelMoved(LiveParam slider);

protected:
    void addSlider(LiveParam entry, const QRect& geometry);

private:
    std::vector<QSlider*> sliders_;
};

class LevelsPanel : public LevelSliderPanel {
    Q_OBJECT
public:
    enum Kind { Speech, Music };
    LevelsPanel(Kind kind, QWidget* parent);

    // Music only: the sources' names beside their sliders.
    void showNames(const NameTables& names);
    QString sourceName(int n) const;

signals:
    void sourceNameDoubleClicked(int n); // music sources 1..4; the remote input keeps its name

private:
    std::array<ClickLabel*, 5> sourceNames_{};
};

class VoxPanel : public LevelSliderPanel {
    Q_OBJECT
public:
    explicit VoxPanel(QWidget* parent);
    void showMeters(const StatusBlock& sb);
    // Where the focus goes off the sliders, so that the arrow keys stop moving them.
    QWidget* focusPark() const;

private:
    Meter* leftMeter_;
    Meter* rightMeter_;
};

} // namespace q7582
