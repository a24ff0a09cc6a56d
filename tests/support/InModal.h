#pragma once
// Runs a test's steps inside the next modal window's own loop, then closes that window if
// they left it open. Whatever modal window is still open at the deadline is closed and the
// test fails, so a failing check (an ASSERT returns from the steps) never hangs the binary.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace q7582::test {

class InModal {
public:
    explicit InModal(std::function<void(QWidget*)> steps = {}, int deadlineMs = 5000) : steps_(std::move(steps))
    {
        clock_.start();
        QObject::connect(&poll_, &QTimer::timeout, [this, deadlineMs] { check(deadlineMs); });
        poll_.start(5);
    }
    ~InModal()
    {
        if (steps_ && !ran_)
            ADD_FAILURE() << "no modal window opened";
    }
    InModal(const InModal&) = delete;
    InModal& operator=(const InModal&) = delete;

    bool leftOpen() const { return leftOpen_; } // the steps did not close their window

private:
    void check(int deadlineMs)
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && steps_ && !ran_) {
            ran_ = true;
            const QPointer<QWidget> guard(modal);
            steps_(modal);
            if (guard && guard->isVisible()) {
                leftOpen_ = true;
                guard->close();
            }
        } else if (modal && clock_.elapsed() > deadlineMs) {
            ADD_FAILURE() << "modal window " << modal->objectName().toStdString() << " still open after " << deadlineMs
                          << " ms";
            modal->close();
        }
    }

    std::function<void(QWidget*)> steps_;
    QTimer poll_;
    QElapsedTimer clock_;
    bool ran_ = false, leftOpen_ = false;
};

} // namespace q7582::test
