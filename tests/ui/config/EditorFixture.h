#pragma once
// An editor on a default image with scripted dialogs, a fixed clock and a help recorder.

#include "Child.h"
#include "ScriptedDialogs.h"
#include "model/DefaultConfiguration.h"
#include "ui/config/CellLabel.h"
#include "ui/config/ConfigEditor.h"
#include "ui/reports/ReportViewer.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

namespace q7582 {

class EditorFixture : public ::testing::Test {
protected:
    Workspace workspace;
    ConfigImage& image = workspace.config();
    test::ScriptedDialogs dialogs;
    ReportViewer viewer{dialogs};
    std::unique_ptr<ConfigEditor> form;
    std::vector<int> helpOpened;
    int commits = 0;
    // Sunday 6 December 2026, 08:30:15
    QDateTime now{QDate(2026, 12, 6), QTime(8, 30, 15)};

    void SetUp() override
    {
        buildDefaultConfiguration(image, 0);
        form = std::make_unique<ConfigEditor>(workspace, viewer, dialogs);
        form->setHelpHook([this](int context) { helpOpened.push_back(context); });
        form->setClock([this] { return now; });
        QObject::connect(&workspace, &Workspace::configurationChanged, [this] { ++commits; });
    }

    template <typename W = QWidget>
    W* child(const QString& name) const
    {
        return test::child<W>(*form, name);
    }
    CellLabel* cell(const QString& name) const { return child<CellLabel>(name); }
    ConfigImage& work() { return form->session().workingCopy; }
    bool modified() const { return form->session().modified; }
    void page(int index) { child<QTabWidget>("Page")->setCurrentIndex(index); }

    // A real left press, as the mouse delivers it.
    static void press(QWidget* w) { test::mouse(w, QEvent::MouseButtonPress, Qt::LeftButton); }
};

} // namespace q7582
