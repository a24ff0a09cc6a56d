#pragma once
// The message event lists of the timer events page: every message event and the
// timer's selection list, with ">>" and "<<" between them.

#include <QWidget>

#include <vector>

class QListWidget;

namespace q7582 {

class MessageEventPicker : public QWidget {
    Q_OBJECT
public:
    explicit MessageEventPicker(QWidget* page);

    // Message event numbers 1..127, in list order.
    void showChosen(const std::vector<int>& events);
    std::vector<int> chosenEvents() const;
    int chosenCount() const;

    // The highlighted message events join the selection while it has room; false
    // when none was highlighted.
    bool addHighlighted();
    // Drops the highlighted entries of the selection; false when there were none.
    bool removeHighlighted();

signals:
    void addClicked();
    void removeClicked();

private:
    void appendChosen(int event);

    QListWidget* messageEventList_;
    QListWidget* chosenEventList_;
};

} // namespace q7582
