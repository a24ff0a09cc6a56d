#include "FileFixture.h"
#include "ProgramRun.h"
#include "recorder/RecordingWriter.h"
#include "recordingreports/LaneChanges.h"
#include "recordingreports/ReaderStates.h"

namespace q7582 {

namespace {

constexpr std::int64_t T0 = 1'780'000'000'000;

// A recording of master 2 with slave 0 and the I/O card at address 0: input 1 goes on,
// then zone 1 busy, the cable is pulled and the master comes back.
class ReaderEvents : public FileFixture {
protected:
    void SetUp() override
    {
        NameTables names;
        names.zones[0] = "Hall, east";
        names.inputs[0] = "Fire door";
        QString error;
        auto writer = RecordingWriter::create(file, {"Site", QString::fromStdString(names.asText())}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        StatusBlock s;
        s.setMasterAddress(2);
        s.bytes[StatusBlock::SlaveZones] = 0x80;
        s.bytes[StatusBlock::UnitInfo] = 0xA0;
        writer->event(TapEvent::ConnectedMaster, 2, {}, T0);
        const auto page0 = [&](std::int64_t ms) { writer->read(TapStream::MasterPage0, s.page(0), T0 + ms); };
        page0(0);
        s.bytes[StatusBlock::InputStates] = 0x01;
        page0(100);
        s.bytes[StatusBlock::BusyZones] = 0x01;
        page0(200);
        writer->event(TapEvent::Unplugged, 0, {}, T0 + 300);
        writer->event(TapEvent::ConnectedMaster, 2, {}, T0 + 400);
        page0(400);
        writer->stop();
    }
    const QString file = tmp.filePath("r.q7582rec");
};

TEST_F(ReaderEvents, TheFileReadsAsStatesAndTheCommandListsTheirChanges)
{
    const NameTables names = namesFromText(QString::fromStdString(NameTables{}.asText())
                                           + "\nzone 1=Hall, east\ninput 1=Fire door\nzone 99=x");
    EXPECT_EQ(std::tuple(names.zones[0], names.inputs[0], names.zones[1]),
              std::tuple("Hall, east", "Fire door", "Zone 2"));

    const test::ProgramRun all = test::runInFolder(tmp.path(), "qs7582", {"events", file});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QString t = isoTime(T0).left(20);
    EXPECT_EQ(all.out, t + "100Z  Digital inputs: Fire door  off -> on\n" + t + "200Z  Zones: Hall, east  off -> on\n"
                           + t + "300Z  Connection: Connection  Master 2 -> Unplugged\n" + t
                           + "400Z  Connection: Connection  Unplugged -> Master 2\n");

    const test::ProgramRun csv =
        test::runInFolder(tmp.path(), "qs7582", {"events", file, "--csv", "--from", t + "150Z", "--to", t + "250Z"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out, "time,group,what,from,to\r\n" + t + "200Z,Zones,\"Hall, east\",off,on\r\n");

    write("not.q7582rec", "SQLite format 3");
    const test::ProgramRun bad = test::runInFolder(tmp.path(), "qs7582", {"events", "not.q7582rec"});
    EXPECT_EQ(std::tuple(bad.exitCode, bad.out), std::tuple(2, QString()));
    EXPECT_TRUE(bad.err.startsWith("not.q7582rec: ")) << bad.err.toStdString();
}

} // namespace

} // namespace q7582
