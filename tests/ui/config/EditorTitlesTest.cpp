// The editor's title and its close question's caption, as the user reads them.

#include "EditorFixture.h"

namespace q7582::test {
namespace {

class EditorTitles : public EditorFixture {};

TEST_F(EditorTitles, TitleAndCloseQuestionAreTheEditorsOwnTexts)
{
    EXPECT_EQ(form->windowTitle(), "Edit configuration");
    press(cell("ZoneCell0_0"));
    dialogs.saveAnswers = {SaveAnswer::Cancel};
    form->reject();
    ASSERT_EQ(dialogs.saveBoxes.size(), 1u);
    EXPECT_EQ(dialogs.saveBoxes[0].first, "Configuration is modified, save changes ?");
    EXPECT_EQ(dialogs.saveBoxes[0].second, "Yes = save & quit\nNo = quit\nCancel = continue");
}

} // namespace
} // namespace q7582::test
