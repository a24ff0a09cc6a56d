#pragma once
// The editor's undo and redo, without widgets: each step keeps the whole working copy
// before it and the selections shown before and after it, so an undone page can never
// drift from the bytes. A step is whatever one gesture changed (a cell, a row, a dialog's
// answer, the repairs of showing a record).

#include "model/ConfigImage.h"
#include "settings/NameTables.h"

#include <QString>

#include <deque>
#include <optional>

namespace q7582 {

// The page and the records the editor's lists select.
struct EditorSelection {
    int page = 0;
    int unit = 0, key = 0, vox = 0, messageEvent = 0, outEvent = 0, timer = 0;
    bool operator==(const EditorSelection&) const = default;
};

// What undo or redo hands back to the editor: the bytes, the modified flag they had,
// and the selection under which they were shown (showing it repairs nothing).
struct EditorState {
    ConfigImage image;
    bool modified = false;
    EditorSelection selection;
};

class EditHistory {
public:
    static constexpr int Depth = 200; // steps kept; older ones are forgotten

    // The window was shown: `image` as shown, nothing to undo or redo.
    void start(const ConfigImage& image, const EditorSelection& shown);
    // A gesture has ended with `image` on screen under `shown`. A change of bytes
    // becomes a step named `describe(before, after)` and drops what could be redone;
    // true when it did.
    template <typename Describe>
    bool record(const ConfigImage& image, bool modified, const EditorSelection& shown, Describe describe)
    {
        const bool changed = !(image == current_.image);
        if (changed)
            push(Step{describe(current_.image, image), current_.image, current_.modified, shown_, shown});
        current_ = {image, modified, shown};
        shown_ = shown;
        return changed;
    }

    // A record was shown with the bytes of the last step: undoing the next step shows it.
    void shown(const ConfigImage& image, const EditorSelection& selection)
    {
        if (image == current_.image)
            shown_ = selection;
    }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // What the next undo or redo changes back or again; empty when there is none.
    QString undoLabel() const { return undo_.empty() ? QString() : undo_.back().label; }
    QString redoLabel() const { return redo_.empty() ? QString() : redo_.back().label; }
    int undoDepth() const { return int(undo_.size()); }

    // The state to show; nothing when there is no step.
    std::optional<EditorState> undo();
    std::optional<EditorState> redo();

private:
    struct Step {
        QString label;
        ConfigImage image; // on the other side of the step from the current state
        bool modified = false;
        EditorSelection before, after;
    };
    void push(Step step);
    std::optional<EditorState> move(std::deque<Step>& from, std::deque<Step>& to, bool undoing);

    EditorState current_;
    EditorSelection shown_;
    std::deque<Step> undo_, redo_;
};

// A step's name, as the comparison names what it changed: "Unit 1, Key 3: Master 0
// zones +14", with " and 2 more" when it changed more than one item.
QString describeStep(const ConfigImage& before, const ConfigImage& after, const NameTables& names);

} // namespace q7582
