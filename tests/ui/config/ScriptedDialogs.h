#pragma once
// Answers the editor's dialogs from a script and records what was asked.

#include "ui/config/EditorDialogs.h"

#include <QStringList>

#include <deque>

namespace q7582 {

class ScriptedDialogs : public EditorDialogs {
public:
    struct Asked {
        QString title, prompt, text;
    };
    std::deque<std::optional<QString>> answers; // nullopt = Cancel
    std::deque<SaveAnswer> saveAnswers;
    std::vector<Asked> asked;
    int saveQuestions = 0;
    QStringList messages;

    std::optional<QString> getText(QWidget*, const QString& title, const QString& prompt, const QString& text) override
    {
        asked.push_back({title, prompt, text});
        if (answers.empty())
            return std::nullopt; // a script that ran out cancels rather than loops
        const bool cancel = !answers.front().has_value();
        const QString answer = answers.front().value_or(QString());
        answers.pop_front();
        if (cancel)
            return std::nullopt;
        return answer;
    }
    SaveAnswer askSave(const QString&, const QString&) override
    {
        ++saveQuestions;
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    void message(QWidget*, const QString& title, const QString& text) override { messages << title + "|" + text; }
};

} // namespace q7582
