// The q7582.* logging categories: silent by default and on a healthy poll; once
// switched on, they tell how the device came and went and why a step failed.

#include "FakeDevice.h"
#include "RecordingObserver.h"
#include "link/LinkEngine.h"
#include "model/FileIo.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

QStringList logged; // "category: message", main thread only

void collect(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    logged << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
}

class DiagnosticsLog : public ::testing::Test {
protected:
    FakeChip chip;
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;
    LinkEngine engine{chip, shared, window, [](int) {}};
    QtMessageHandler previous = qInstallMessageHandler(collect);

    void SetUp() override
    {
        logged.clear();
        device.attach(chip);
    }
    void TearDown() override
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous);
    }
    void pollTwentyTimes()
    {
        const int target = window.count("statusDisplayRefresh") + 20;
        for (int i = 0; i < 200 && window.count("statusDisplayRefresh") < target; ++i)
            engine.step();
        ASSERT_EQ(window.count("statusDisplayRefresh"), target);
    }
};

} // namespace

TEST_F(DiagnosticsLog, SilentUnlessSwitchedOnAndNeverOnAHealthyPoll)
{
    QTemporaryDir dir;
    const std::string unwritable = dir.filePath("missing/QS7582.ini").toStdString();
    ASSERT_TRUE(engine.OpenDevice());
    engine.startSearch();
    pollTwentyTimes();
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    EXPECT_EQ(logged, QStringList()) << "off by default";

    QLoggingCategory::setFilterRules(QStringLiteral("q7582.*=true"));
    engine.closeDevice();
    ASSERT_TRUE(engine.OpenDevice());
    engine.startSearch();
    pollTwentyTimes();
    EXPECT_EQ(logged, (QStringList{"q7582.link: closed fake", "q7582.link: opened fake"}));

    logged.clear();
    chip.setPresent(false); // unplugged mid-poll
    for (int i = 0; i < 4; ++i)
        engine.step();
    ASSERT_GE(logged.size(), 2);
    EXPECT_TRUE(logged[0].startsWith("q7582.link: ") && logged[0].contains("failed: device error - chip: "))
        << logged[0].toStdString();
    EXPECT_TRUE(logged.contains("q7582.link: closed fake")) << logged.join('\n').toStdString();

    logged.clear();
    chip.setPresent(true);
    chip.setOpenFailure(OpenFailure::InUse);
    EXPECT_FALSE(engine.OpenDevice());
    EXPECT_FALSE(engine.OpenDevice()); // the retries every 500 ms add nothing
    EXPECT_EQ(logged, QStringList{"q7582.link: cannot open fake - in use - in use"});

    logged.clear();
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].startsWith("q7582.files: write failed: " + QString::fromStdString(unwritable)));
}
