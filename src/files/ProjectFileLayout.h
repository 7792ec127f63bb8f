#pragma once

#include "model/ProjectData.h"
#include "model/StoredChoices.h"

namespace quenra::project_file {

// The line order of a project file, written once and used by both the writer and the reader,
// so the two can never disagree. `Lines` is a writer or a reader with the members
//   Text(QString&), Bool(bool&), Int(int&), IntOr(int&, fallback), Colour(Colour&).
// `version` is the layout version of the file: lines that a version did not have yet are left
// out for it (the writer always writes the newest layout). `Record` is ProjectData, const for
// the writer.

constexpr int kNewestVersion = 6;

inline const QString kVersionBanner = QStringLiteral("///////////  Version ///////////////");
inline const QString kSupplyBanner = QStringLiteral("///////////  Supply Data ///////////////");
inline const QString kGeneralBanner = QStringLiteral("///////////  General Data ///////////////");
inline const QString kCommentBanner = QStringLiteral("///////////  Comment Data ///////////////");
inline const QString kPumpBanner = QStringLiteral("///////////  Pump Data ///////////////");
inline const QString kSetupBanner = QStringLiteral("///////////  Setup Data ///////////////");
inline const QString kEndCommentBanner =
    QStringLiteral("///////////  End Comment Data ///////////////");
inline QString NumberedCommentBanner(int page) {
    return QStringLiteral("///////////  Comment Data ") + QString::number(page) +
           QStringLiteral(" ///////////////");
}

// The key words the reader looks for anywhere in a line.
inline const QString kVersionKey = QStringLiteral("Version");
inline const QString kSupplyKey = QStringLiteral("Supply Data");
inline const QString kGeneralKey = QStringLiteral("General Data");
inline const QString kCommentKey = QStringLiteral("Comment Data");
inline const QString kPumpKey = QStringLiteral("Pump Data");
inline const QString kSetupKey = QStringLiteral("Setup Data");

template <class Lines, class Record> void SupplyTest(Lines& io, Record& p, int t) {
    io.Text(p.SupplyTestDate[t]);
    io.Text(p.SupplyStaticPressure[t]);
    io.Text(p.SupplyResidualPressure[t]);
    io.Text(p.SupplyResidualFlow[t]);
    io.Text(p.SupplyOrificeSize[t]);
    io.Text(p.SupplyDischargeCoef[t]);
    io.Text(p.SupplyPitotReading[t]);
    io.Bool(p.SupplyCalcFlow[t]);
}

// Everything after the Supply Data banner up to the General Data banner. `afterUnitSystem`
// runs directly after the unit system line (the nozzle size lists follow the unit system).
template <class Lines, class Record, class AfterUnitSystem>
void SupplySection(Lines& io, Record& p, int version, AfterUnitSystem afterUnitSystem) {
    io.Text(p.SupplyTypeText);
    io.Colour(p.SupplyTestColor[1]);
    io.Colour(p.SupplyTestColor[2]);
    io.Bool(p.SupplyShowCurve[1]);
    io.Bool(p.SupplyShowCurve[2]);
    SupplyTest(io, p, 1);
    SupplyTest(io, p, 2);

    io.Text(p.TankCapacity);
    io.Text(p.LiftHeadValue);
    io.Text(p.TankKind);
    io.Text(p.OtherSourceKind);
    io.Int(p.LiftHeadKind);
    io.Text(p.PolicyNumber);
    io.Int(p.UnitSystem);
    afterUnitSystem();

    io.Bool(p.IsHydrantTest);
    io.Bool(p.ShowPumpRatingCurve);
    io.Bool(p.ShowCombinedCurve);
    io.Bool(p.ShowNfpa20Curve);
    io.Colour(p.PumpRatingCurveColor);
    io.Colour(p.CombinedCurveColor);
    io.Colour(p.Nfpa20CurveColor);

    io.Text(p.RatedFlow);
    io.Text(p.RatedPressure);
    io.Text(p.ChurnPressure);
    io.Text(p.PressureAt150);
    io.Text(p.RatedSpeed);
    io.Text(p.InstallDate);

    for (int i = 1; i <= kTestCount; ++i) {
        io.Bool(p.PumpTestInGraph[i]);
        io.Bool(p.PumpTestCombined[i]);
        io.Colour(p.PumpTestColor[i]);
        io.Colour(p.PumpTestCombinedColor[i]);
        io.Text(p.DemandFlow[i]);
        io.Text(p.DemandPressure[i]);
        io.Text(p.DemandPurpose[i]);
        io.Bool(p.DemandShow[i]);
        io.Colour(p.DemandColor[i]);
    }

    if (version >= 2) {
        io.Int(p.ReferencePumpTest);
    }
    if (version >= 3) {
        for (int t = 3; t <= kTestCount; ++t) {
            io.Colour(p.SupplyTestColor[t]);
        }
        for (int t = 3; t <= kTestCount; ++t) {
            io.Bool(p.SupplyShowCurve[t]);
        }
        for (int t = 3; t <= kTestCount; ++t) {
            SupplyTest(io, p, t);
        }
        io.Bool(p.ShowNfpa25Curve);
        io.Colour(p.Nfpa25CurveColor);
    }
    if (version >= 6) {
        for (int i = 1; i <= kTestCount; ++i) {
            io.Text(p.HydrantDemandFlow[i]);
            io.Text(p.HydrantDemandPressure[i]);
            io.Text(p.HydrantDemandPurpose[i]);
            io.Bool(p.HydrantDemandShow[i]);
            io.Colour(p.HydrantDemandColor[i]);
            io.Text(p.ControllerTestComment[i]);
            io.Text(p.PressureSettingsComment[i]);
        }
    }
}

// Everything after the General Data banner up to the Comment Data banner.
template <class Lines, class Record> void GeneralSection(Lines& io, Record& p) {
    io.Text(p.ClientName);
    io.Text(p.SiteLocation);
    io.Text(p.CityStateZip);
    io.Text(p.VisitDate);
    io.Int(p.DriverKind);
    io.Text(p.DriverMake);
    io.Text(p.DriverModel);
    io.Text(p.DriverHorsepower);
    io.Text(p.DriverRpm);
    io.Text(p.DriverVolts);
    io.Text(p.Pcre);
    io.Text(p.DriverAmps);
    io.Text(p.ServiceFactor);
    io.Text(p.DriverPlateData);
    io.Text(p.FirePumpTestDate);
    io.Text(p.PumpManufacturer);
    io.Text(p.PumpId);
    io.Text(p.PumpPurpose);
    io.Text(p.JockeyCutIn);
    io.Text(p.JockeyMakeModel);
    io.Text(p.FirePumpType);

    io.Bool(p.HasPumpBypass);
    io.Bool(p.HasJockeyPump);
    io.Text(p.ControllerMaker);
    io.Text(p.AutoOperation);
    io.Text(p.AutoStopMinutes);
    io.Text(p.WeeklyTestDayTime);
    io.Text(p.WeeklyTestDuration);
    io.Bool(p.ManualStartSwitch);
    io.Bool(p.ManualStopSwitch);
    io.Bool(p.EmergencyStartLever);
    io.Bool(p.AutoTestArranged);
    io.Bool(p.AutoShutoff);
    io.Bool(p.ManualShutoffAvailable);
    io.Int(p.RoomDuringTesting);

    io.Bool(p.AlarmLocal);
    io.Bool(p.AlarmFirePolice);
    io.Bool(p.AlarmCentralStation);
    io.Bool(p.AlarmRemoteStation);
    io.Bool(p.AlarmAuxiliary);
    io.Bool(p.AlarmProprietary);
    io.Bool(p.AlarmOther);
    io.Bool(p.AlarmPumpRunning);
    io.Bool(p.AlarmPhaseReversal);
    io.Bool(p.AlarmPowerFailure);
    io.Bool(p.AlarmPumpOverspeed);
    io.Bool(p.AlarmLubeOilTemp);
    io.Bool(p.AlarmCoolingWaterTemp);
    io.Bool(p.AlarmLowBattery);
    io.Bool(p.AlarmLowFuel);
    io.Bool(p.AlarmPumpRoomLowTemp);
    io.Text(p.AlarmOtherText);
    io.Text(p.PumpRoomAlarmTemp);
}

// One pump test: 196 lines.
template <class Lines, class Record> void PumpTest(Lines& io, Record& p, int t) {
    io.Text(p.PumpTestDate[t]);
    io.Text(p.TransferSwitchNote[t]);
    io.Text(p.NfpaComment[t]);
    io.Text(p.PumpTestKind[t]);
    io.Bool(p.PlotAdjusted[t]);
    for (int row = 1; row <= kReadingRows; ++row) {
        for (int column = 1; column <= kReadingColumns; ++column) {
            io.Text(p.PumpReadings[t][row][column]);
        }
    }
    io.Int(p.TransferSwitchState[t]);
    io.Bool(p.UsePitotFlows[t]);
    for (int row = 1; row <= kPitotRows; ++row) {
        for (int outlet = 1; outlet <= kOutlets; ++outlet) {
            io.Text(p.PitotGrid[t][row][outlet]);
        }
    }
    io.Text(p.PitotFlowComment[t]);
    io.Text(p.PitotReadingComment[t]);
    for (int row = 1; row <= kControllerRows; ++row) {
        for (int column = 1; column <= kControllerColumns; ++column) {
            io.Text(p.ControllerGrid[t][row][column]);
        }
    }
    for (int member = 1; member <= 2; ++member) {
        for (int pair = 1; pair <= kPressurePairs; ++pair) {
            io.Text(p.PressureSettings[t][pair][member]);
        }
    }
    io.Text(p.PrvSettings[t]);
    io.Text(p.CombinedCurveComment[t]);
}

// Everything after the Pump Data banner up to the Setup Data banner.
template <class Lines, class Record> void PumpSection(Lines& io, Record& p, int version) {
    for (int t = 1; t <= kTestCount; ++t) {
        PumpTest(io, p, t);
    }
    if (version >= 3) {
        for (int t = 1; t <= kTestCount; ++t) {
            io.Int(p.EmergencyLeverResult[t]);
        }
    }
}

// The fixed lines after the Setup Data banner.
template <class Lines, class Record> void SetupSection(Lines& io, Record& p) {
    io.Bool(p.ReportSupplySection);
    io.Bool(p.ReportPumpSection);
    io.Bool(p.ReportPumpTestSection);
    io.Bool(p.ReportDriverSection);
    io.Bool(p.ReportControllerSection);
    io.Bool(p.ReportFirePumpSection);
    io.Bool(p.ReportAlarmsSection);

    io.Text(p.MarginLeft);
    io.Text(p.MarginRight);
    io.Text(p.MarginTop);
    io.Text(p.MarginBottom);
    io.Text(p.MinPressure);
    io.Text(p.MaxPressure);
    io.Text(p.MinFlowText);
    io.Text(p.MaxFlowText);
    io.Text(p.GraphTitleText);

    io.Int(p.CaptureSizeIndex);
    io.Int(p.FlowScaleIndex);
    io.Int(p.SupplySymbol);
    io.Int(p.DemandSymbol);
    io.Int(p.NfpaSymbol);
    io.Int(p.RatedPumpSymbol);
    io.Int(p.PumpTestSymbol);
    io.Int(p.SymbolSizeIndex);
    io.Int(p.FontSizeIndex);
    io.Int(p.LineThicknessIndex);
    io.Colour(p.ReportBackgroundColor);
    io.Colour(p.TitleBackgroundColor);
    io.Colour(p.FormTextColor);
    io.Colour(p.UserEntryTextColor);
    io.Colour(p.OutsideBackgroundColor);
    io.Colour(p.GraphBackgroundColor);

    io.Bool(p.LargerFont);
    io.Bool(p.DefaultPressureRange);
    io.Bool(p.DefaultFlowRange);
    io.Bool(p.TitleFromFileName);
}

// The two lines that open the version 3 tail, before the numbered comment pages.
template <class Lines, class Record> void CommentSwitches(Lines& io, Record& p) {
    io.Bool(p.ReportCommentsSection);
    io.Bool(p.HideAllReadings);
}

// The version 5 tail: supply test details, then the pump test verdicts.
template <class Lines, class Record> void Version5Tail(Lines& io, Record& p) {
    for (int t = 1; t <= kTestCount; ++t) {
        io.Text(p.HydrantsFlowed[t]);
        io.Text(p.OutletsFlowed[t]);
        io.Text(p.StaticHydrantLocation[t]);
        io.Text(p.FlowHydrantLocation[t]);
        io.Text(p.SupplyTestTime[t]);
        io.Text(p.MainSize[t]);
        io.Text(p.MainType[t]);
    }
    for (int t = 1; t <= kTestCount; ++t) {
        io.Bool(p.MeetsNfpa20[t]);
        io.IntOr(p.CombinedMeetsDemand[t], StoredCode(DemandVerdict::NotApplicable));
        io.IntOr(p.MotorMeetsNfpa25[t], StoredCode(MotorVerdict::NotTaken));
        io.Bool(p.EmergencyStartHandle[t]);
        io.Bool(p.LoadStartTest[t]);
        io.Text(p.MotorComment[t]);
        io.Text(p.AutomaticStarts[t]);
        io.Text(p.ManualStarts[t]);
        io.Text(p.EngineHourMeter[t]);
        io.Text(p.FuelTankOther[t]);
        io.Int(p.FuelTankLevel[t]);
    }
}

} // namespace quenra::project_file
