#include "WaterSupplySection.h"

#include "ReportComments.h"
#include "ReportTexts.h"
#include "ReportValueText.h"

#include "hydraulics/ChoiceItems.h"
#include "hydraulics/UnitSystem.h"

namespace quenra {

namespace {

using enum ControlId;
namespace text = report_text;

QString WithUnit(const QString& value, const QString& unit) {
    return value + QLatin1Char(' ') + unit;
}

} // namespace

void FillWaterSupplySection(ReportLayout& R, const ProjectData& p, int t) {
    const UnitWords words = UnitWordsFor(p.UnitSystem);
    R[Edit53].Text = StoredChoiceText(p.SupplyTypeText, SupplyTypeItems());
    R[WaterSupplyHeading].Text = text::kWaterSupply + TestValue(p.SupplyTestDate, t);
    R[Edit54].Text = TestValue(p.SupplyTestDate, t);
    R[Edit61].Text = TestValue(p.SupplyTestTime, t);
    R[Edit55].Text = WithUnit(TestValue(p.SupplyStaticPressure, t), words.PressureWord);
    R[Edit56].Text = WithUnit(TestValue(p.SupplyResidualPressure, t), words.PressureWord);
    R[Edit57].Text = WithUnit(TestValue(p.SupplyResidualFlow, t), words.FlowWord);
    if (TestValue(p.SupplyCalcFlow, t)) {
        R[Edit58].Text = WithUnit(TestValue(p.SupplyPitotReading, t), words.PressureWord);
        R[Edit59].Text = TestValue(p.SupplyDischargeCoef, t);
        R[Edit60].Text = WithUnit(TestValue(p.SupplyOrificeSize, t), words.DiameterWord);
    } else {
        R[Edit58].Text = text::kNotAvailable;
        R[Edit59].Text = text::kNotAvailable;
        R[Edit60].Text = text::kNotAvailable;
    }
    R[Edit62].Text = TestValue(p.HydrantsFlowed, t);
    R[Edit63].Text = TestValue(p.OutletsFlowed, t);
    R[Edit64].Text = TestValue(p.StaticHydrantLocation, t);
    R[Edit66].Text = WithUnit(TestValue(p.MainSize, t), words.DiameterWord);
    R[Edit65].Text = TestValue(p.FlowHydrantLocation, t);
    R[Edit67].Text = TestValue(p.MainType, t);
    FillReportComments(R, p, t);
}

} // namespace quenra
