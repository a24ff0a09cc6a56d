#pragma once
// Scripted answers for the compiler window's dialogs. Anything unscripted, and a null
// QString, is a Cancel, so a window test never waits for a user.

#include "msgfolder/CompilerDialogs.h"

#include <deque>
#include <vector>

namespace q7582::test {

inline const QString Cancel;

class FakeDialogs : public CompilerDialogs {
public:
    struct Shown {
        QString caption, text, initial;
    };
    std::deque<QString> folders, files, texts;
    std::deque<bool> answers; // OK/Cancel boxes
    std::vector<Shown> asked, confirmed, informed;
    std::vector<QString> viewed;

    std::optional<QString> chooseFolder(QWidget*, const QString&) override { return next(folders); }
    std::optional<QString> chooseFile(QWidget*, const QString&, const QString&) override { return next(files); }
    std::optional<QString> askText(QWidget*, const QString& caption, const QString& prompt, const QString& text) override
    {
        asked.push_back({caption, prompt, text});
        return next(texts);
    }
    bool confirm(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon) override
    {
        confirmed.push_back({caption, text, {}});
        const bool ok = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return ok;
    }
    void inform(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon) override
    {
        informed.push_back({caption, text, {}});
    }
    FileResult showTextFile(QWidget*, const QString& path) override
    {
        viewed.push_back(path);
        return {};
    }

private:
    static std::optional<QString> next(std::deque<QString>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        const QString answer = queue.front();
        queue.pop_front();
        return answer.isNull() ? std::nullopt : std::optional(answer);
    }
};

} // namespace q7582::test
