#include "ResetToDefaults.h"

#include "ProjectData.h"
#include "StoredChoices.h"

namespace quenra {

namespace {

// Pump test, combined curve and demand point colours fade from the brightest shade for
// number 1 to the darkest for number 5.
int RampComponent(int index) {
    return 295 - 40 * index;
}

// Every default that is not zero, false or empty text.
void FillDefaults(ProjectData& p) {
    p.SupplyTypeText = QStringLiteral("0");
    p.TankKind = QStringLiteral("Tank");
    p.OtherSourceKind = QStringLiteral("Other");

    p.SupplyShowCurve[1] = true;
    p.SupplyTestColor[1] = MakeColour(255, 0, 0);
    p.SupplyTestColor[2] = MakeColour(0, 128, 0);
    p.SupplyTestColor[3] = MakeColour(128, 128, 0);
    p.SupplyTestColor[4] = MakeColour(0, 0, 0);
    p.SupplyTestColor[5] = MakeColour(255, 255, 0);

    p.ShowPumpRatingCurve = true;
    p.PumpRatingCurveColor = MakeColour(0, 0, 255);
    p.CombinedCurveColor = MakeColour(255, 255, 0);
    p.Nfpa20CurveColor = MakeColour(128, 128, 128);
    p.Nfpa25CurveColor = MakeColour(0, 255, 255);
    p.ReferencePumpTest = 1;

    for (int i = 1; i <= kTestCount; ++i) {
        p.PumpTestColor[i] = MakeColour(RampComponent(i), 0, 0);
        p.PumpTestCombinedColor[i] = MakeColour(0, RampComponent(i), 0);
        const QString purpose = QStringLiteral("Dmd Pt ") + QString::number(i);
        p.DemandPurpose[i] = purpose;
        p.HydrantDemandPurpose[i] = purpose;
        p.DemandColor[i] = MakeColour(0, 0, RampComponent(i));
        p.HydrantDemandColor[i] = MakeColour(0, 0, RampComponent(i));

        p.PumpTestKind[i] = QStringLiteral("Annual");
        p.CombinedMeetsDemand[i] = StoredCode(DemandVerdict::NotApplicable);
        p.MotorMeetsNfpa25[i] = StoredCode(MotorVerdict::NotTaken);
    }

    p.FirePumpType = QStringLiteral("Not Specified");
    p.PumpPurpose = QStringLiteral("0");
    p.ServiceFactor = QStringLiteral("1.15");
    p.AutoOperation = QStringLiteral("Not Specified");
    p.RoomDuringTesting = 2;

    p.ReportSupplySection = true;
    p.ReportPumpSection = true;
    p.ReportPumpTestSection = true;
    p.ReportDriverSection = true;
    p.ReportControllerSection = true;
    p.ReportFirePumpSection = true;
    p.ReportAlarmsSection = true;
    p.ReportCommentsSection = true;
    p.MarginLeft = QStringLiteral("5");
    p.MarginRight = QStringLiteral("5");
    p.MarginTop = QStringLiteral("5");
    p.MarginBottom = QStringLiteral("7");
    p.MinPressure = QStringLiteral("0");
    p.MaxPressure = QStringLiteral("100");
    p.MinFlowText = QStringLiteral("0");
    p.MaxFlowText = QStringLiteral("1000");
    p.DefaultPressureRange = true;
    p.DefaultFlowRange = true;
    p.TitleFromFileName = true;
    p.CaptureSizeIndex = 3;
    p.FlowScaleIndex = 0;
    p.SupplySymbol = 5;
    p.DemandSymbol = 3;
    p.NfpaSymbol = 2;
    p.RatedPumpSymbol = 1;
    p.PumpTestSymbol = 4;
    p.SymbolSizeIndex = 1;
    p.FontSizeIndex = 2;
    p.LineThicknessIndex = 2;
    p.ReportBackgroundColor = MakeColour(255, 255, 255);
    p.TitleBackgroundColor = MakeColour(235, 240, 241);
    p.FormTextColor = MakeColour(0, 0, 0);
    p.UserEntryTextColor = MakeColour(0, 48, 96);
    p.OutsideBackgroundColor = MakeColour(240, 240, 240);
    p.GraphBackgroundColor = MakeColour(255, 255, 255);
}

} // namespace

ProjectData::ProjectData() : ProjectFileName(QStringLiteral("untitled")) {
    FillDefaults(*this);
}

void ResetToDefaults(ProjectData& project) {
    ProjectData fresh;
    fresh.ProjectFileName = project.ProjectFileName;
    project = std::move(fresh);
}

void ResetToHydrantTestDefaults(ProjectData& project) {
    ResetToDefaults(project);
    project.IsHydrantTest = true;
    project.FlowScaleIndex = 1;
}

} // namespace quenra
