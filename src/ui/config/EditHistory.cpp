#include "ui/config/EditHistory.h"

#include "reports/ConfigurationComparison.h"

#include <QCoreApplication>

namespace q7582 {

void EditHistory::start(const ConfigImage& image, const EditorSelection& shown)
{
    current_ = {image, false, shown};
    shown_ = shown;
    undo_.clear();
    redo_.clear();
}

void EditHistory::push(Step step)
{
    redo_.clear();
    undo_.push_back(std::move(step));
    if (undo_.size() > std::size_t(Depth))
        undo_.pop_front();
}

// The step swaps its image with the current one and moves to the other stack; the
// selection is the one shown on the side it lands on.
std::optional<EditorState> EditHistory::move(std::deque<Step>& from, std::deque<Step>& to, bool undoing)
{
    if (from.empty())
        return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    std::swap(step.image, current_.image);
    std::swap(step.modified, current_.modified);
    current_.selection = undoing ? step.before : step.after;
    shown_ = current_.selection;
    to.push_back(std::move(step));
    return current_;
}

std::optional<EditorState> EditHistory::undo() { return move(undo_, redo_, true); }
std::optional<EditorState> EditHistory::redo() { return move(redo_, undo_, false); }

QString describeStep(const ConfigImage& before, const ConfigImage& after, const NameTables& names)
{
    const QStringList lines = compareConfigurations({before, QString()}, {after, QString()}, names).lines;
    if (lines.isEmpty())
        return QCoreApplication::translate("EditHistory", "change");
    return lines.size() == 1
               ? lines.front()
               : lines.front() + QCoreApplication::translate("EditHistory", " and %1 more").arg(lines.size() - 1);
}

} // namespace q7582
