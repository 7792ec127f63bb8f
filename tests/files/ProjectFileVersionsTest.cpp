#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "files/Windows1252.h"
#include "model/ProjectData.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quenra {
namespace {

// Line numbers (1-based) in a newest-layout file whose comment pages are all empty (one empty
// line each), counted from the published layout: which lines each older layout version did not
// have yet.
using LineRange = std::pair<int, int>;
constexpr int kTotalLines = 1349;

std::vector<LineRange> LinesMissingIn(int version) {
    if (version <= 1) {
        return {{90, 157}, {1195, 1199}, {1237, 1349}};
    }
    if (version == 2) {
        return {{91, 157}, {1195, 1199}, {1237, 1349}};
    }
    if (version == 3) {
        return {{123, 157}, {1248, 1349}};
    }
    if (version == 4) {
        return {{123, 157}, {1249, 1349}};
    }
    if (version == 5) {
        return {{123, 157}, {1339, 1349}};
    }
    return {};
}

ProjectData RandomProjectWithoutComments(unsigned seed) {
    ProjectData p = test::RandomProject(seed).Make();
    for (int page = 1; page <= kTestCount; ++page) {
        p.Comments[page].clear();
        p.HydrantComments[page].clear();
    }
    return p;
}

QByteArray AsVersion(const ProjectData& p, int version) {
    QStringList lines = SplitFileLines(DecodeWindows1252(SerializeProject(p)));
    EXPECT_EQ(lines.size(), kTotalLines);
    auto missing = LinesMissingIn(version);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        lines.remove(it->first - 1, it->second - it->first + 1);
    }
    lines[1] = QString::number(version);
    return EncodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

TEST(ProjectFileVersions, ANewFileHasTheCountedNumberOfLines) {
    const QStringList lines =
        SplitFileLines(DecodeWindows1252(SerializeProject(RandomProjectWithoutComments(3))));
    ASSERT_EQ(lines.size(), kTotalLines);
    EXPECT_EQ(lines[0], QStringLiteral("///////////  Version ///////////////"));
    EXPECT_EQ(lines[1], QStringLiteral("6"));
    EXPECT_EQ(lines[157], QStringLiteral("///////////  General Data ///////////////"));
    EXPECT_EQ(lines[211], QStringLiteral("///////////  Comment Data ///////////////"));
    EXPECT_EQ(lines[212], QString());
    EXPECT_EQ(lines[213], QStringLiteral("///////////  Pump Data ///////////////"));
    EXPECT_EQ(lines[1199], QStringLiteral("///////////  Setup Data ///////////////"));
    EXPECT_EQ(lines[1238], QStringLiteral("///////////  Comment Data 2 ///////////////"));
    EXPECT_EQ(lines[1239], QString());
    EXPECT_EQ(lines[1246], QStringLiteral("///////////  End Comment Data ///////////////"));
    EXPECT_EQ(lines[1338], QStringLiteral("///////////  Comment Data 1 ///////////////"));
    EXPECT_EQ(lines[1348], QStringLiteral("///////////  End Comment Data ///////////////"));
}

TEST(ProjectFileVersions, EveryOlderLayoutReadsItsOwnLinesAndLeavesNewerFieldsAtDefaults) {
    ProjectData source = RandomProjectWithoutComments(11);
    const ProjectData defaults;
    // Values that differ from the defaults, so that a field left at its default is noticed.
    source.ReferencePumpTest = 4;
    source.SupplyTestColor[4] = MakeColour(1, 2, 3);
    source.SupplyTestDate[5] = QStringLiteral("6/1/2025");
    source.SupplyCalcFlow[3] = true;
    source.ShowNfpa25Curve = true;
    source.Nfpa25CurveColor = MakeColour(9, 9, 9);
    source.EmergencyLeverResult[4] = 3;
    source.ReportCommentsSection = false;
    source.HideAllReadings = true;
    source.HideVoltsAmps = true;
    source.MainType[5] = QStringLiteral("Dead End");
    source.MotorComment[5] = QStringLiteral("Amps high on phase C");
    source.FuelTankLevel[1] = 2;
    source.CombinedMeetsDemand[2] = 0;
    source.HydrantDemandFlow[2] = QStringLiteral("750");
    source.HydrantDemandColor[1] = MakeColour(4, 5, 6);
    source.ControllerTestComment[3] = QStringLiteral("Started on first try");
    source.PressureSettingsComment[5] = QStringLiteral("Jockey set 5 psi high");
    for (int version = 0; version <= 6; ++version) {
        SCOPED_TRACE(version);
        test::ScriptedPrompter prompter;
        ProjectData read;
        ASSERT_EQ(ReadProjectBytes(read, AsVersion(source, version), prompter),
                  ReadOutcome::Complete);
        EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join('\n').toStdString();

        // Lines every version has.
        EXPECT_EQ(read.DemandColor[5], source.DemandColor[5]);
        EXPECT_EQ(read.ClientName, source.ClientName);
        EXPECT_EQ(read.AlarmPumpRoomLowTemp, source.AlarmPumpRoomLowTemp);
        EXPECT_EQ(read.PumpTestDate[1], source.PumpTestDate[1]);
        EXPECT_EQ(read.PumpReadings[5][7][15], source.PumpReadings[5][7][15]);
        EXPECT_EQ(read.CombinedCurveComment[5], source.CombinedCurveComment[5]);
        EXPECT_EQ(read.GraphTitleText, source.GraphTitleText);
        EXPECT_EQ(read.TitleFromFileName, source.TitleFromFileName);

#define EXPECT_FROM_VERSION(first, field)                                                          \
    EXPECT_EQ(read.field, (version >= (first) ? source : defaults).field)
        EXPECT_FROM_VERSION(2, ReferencePumpTest);
        EXPECT_FROM_VERSION(3, SupplyTestColor[4]);
        EXPECT_FROM_VERSION(3, SupplyTestDate[5]);
        EXPECT_FROM_VERSION(3, SupplyCalcFlow[3]);
        EXPECT_FROM_VERSION(3, ShowNfpa25Curve);
        EXPECT_FROM_VERSION(3, Nfpa25CurveColor);
        EXPECT_FROM_VERSION(3, EmergencyLeverResult[4]);
        EXPECT_FROM_VERSION(3, ReportCommentsSection);
        EXPECT_FROM_VERSION(3, HideAllReadings);
        EXPECT_FROM_VERSION(4, HideVoltsAmps);
        EXPECT_FROM_VERSION(5, MainType[5]);
        EXPECT_FROM_VERSION(5, MotorComment[5]);
        EXPECT_FROM_VERSION(5, FuelTankLevel[1]);
        EXPECT_FROM_VERSION(5, CombinedMeetsDemand[2]);
        EXPECT_FROM_VERSION(6, HydrantDemandFlow[2]);
        EXPECT_FROM_VERSION(6, HydrantDemandColor[1]);
        EXPECT_FROM_VERSION(6, ControllerTestComment[3]);
        EXPECT_FROM_VERSION(6, PressureSettingsComment[5]);
#undef EXPECT_FROM_VERSION
    }
}

TEST(ProjectFileVersions, ANewerVersionWarnsAndReadsWhatItUnderstands) {
    const ProjectData source = RandomProjectWithoutComments(5);
    test::ScriptedPrompter prompter;
    ProjectData read;
    EXPECT_EQ(ReadProjectBytes(read, AsVersion(source, 7), prompter), ReadOutcome::Complete);
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(prompter.Messages[0], QStringLiteral("Warning: File created by a newer version of "
                                                   "Quenra.  Some data will be ignored."));
    EXPECT_EQ(read.HydrantDemandPurpose[4], source.HydrantDemandPurpose[4]);
    EXPECT_EQ(read.FuelTankOther[3], source.FuelTankOther[3]);
}

TEST(ProjectFileVersions, AVersionLineThatIsNoNumberReadsAsTheFirstLayout) {
    const ProjectData source = RandomProjectWithoutComments(8);
    QByteArray bytes = AsVersion(source, 0);
    bytes.replace("///////////////\r\n0\r\n", "///////////////\r\nsix\r\n");
    test::ScriptedPrompter prompter;
    ProjectData read;
    EXPECT_EQ(ReadProjectBytes(read, bytes, prompter), ReadOutcome::Complete);
    EXPECT_EQ(read.ClientName, source.ClientName);
    EXPECT_EQ(read.ReferencePumpTest, 1);
}

} // namespace
} // namespace quenra
