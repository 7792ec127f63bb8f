#include "FieldLabels.h"

#include "model/ProjectData.h"

namespace quenra {

namespace {

struct SingleField {
    QString ProjectData::*Member;
    const char* Label;
};

// "%1" stands for the test, demand point or page number.
template <class Cells> struct NumberedField {
    PerTest<Cells> ProjectData::*Member;
    const char* Label;
};

const SingleField kSingleFields[] = {
    {&ProjectData::ClientName, "Client"},
    {&ProjectData::SiteLocation, "Location"},
    {&ProjectData::CityStateZip, "City, State, ZIP"},
    {&ProjectData::VisitDate, "Date of Visit"},
    {&ProjectData::PolicyNumber, "Policy Number"},
    {&ProjectData::Pcre, "PCRE"},
    {&ProjectData::SupplyTypeText, "Supply Type"},
    {&ProjectData::TankCapacity, "Tank Capacity"},
    {&ProjectData::LiftHeadValue, "Lift or Head"},
    {&ProjectData::TankKind, "Tank Type"},
    {&ProjectData::OtherSourceKind, "Other Source"},
    {&ProjectData::RatedFlow, "Rated Flow"},
    {&ProjectData::ChurnPressure, "Churn Pressure"},
    {&ProjectData::RatedPressure, "Rated Pressure"},
    {&ProjectData::PressureAt150, "Pressure at 150%"},
    {&ProjectData::RatedSpeed, "Rated Speed"},
    {&ProjectData::InstallDate, "Installation Date"},
    {&ProjectData::FirePumpTestDate, "Fire Pump Test Date"},
    {&ProjectData::PumpManufacturer, "Pump Manufacturer"},
    {&ProjectData::PumpId, "Pump ID"},
    {&ProjectData::FirePumpType, "Fire Pump Type"},
    {&ProjectData::JockeyCutIn, "Jockey Pump Cut-In"},
    {&ProjectData::JockeyMakeModel, "Jockey Pump Make and Model"},
    {&ProjectData::PumpPurpose, "Pump Purpose"},
    {&ProjectData::DriverMake, "Driver Make"},
    {&ProjectData::DriverModel, "Driver Model"},
    {&ProjectData::DriverHorsepower, "Driver Horsepower"},
    {&ProjectData::DriverRpm, "Driver RPM"},
    {&ProjectData::DriverVolts, "Driver Volts"},
    {&ProjectData::DriverAmps, "Driver Amps"},
    {&ProjectData::ServiceFactor, "Service Factor"},
    {&ProjectData::DriverPlateData, "Driver Nameplate Data"},
    {&ProjectData::ControllerMaker, "Controller Make"},
    {&ProjectData::AutoOperation, "Automatic Operation"},
    {&ProjectData::AutoStopMinutes, "Automatic Stop Minutes"},
    {&ProjectData::WeeklyTestDayTime, "Weekly Test Day and Time"},
    {&ProjectData::WeeklyTestDuration, "Weekly Test Duration"},
    {&ProjectData::AlarmOtherText, "Other Alarm"},
    {&ProjectData::PumpRoomAlarmTemp, "Pump Room Alarm Temperature"},
    {&ProjectData::MarginLeft, "Left Margin"},
    {&ProjectData::MarginRight, "Right Margin"},
    {&ProjectData::MarginTop, "Top Margin"},
    {&ProjectData::MarginBottom, "Bottom Margin"},
    {&ProjectData::MinPressure, "Minimum Pressure"},
    {&ProjectData::MaxPressure, "Maximum Pressure"},
    {&ProjectData::MinFlowText, "Minimum Flow"},
    {&ProjectData::MaxFlowText, "Maximum Flow"},
    {&ProjectData::GraphTitleText, "Graph Title"},
};

const NumberedField<QString> kNumberedFields[] = {
    {&ProjectData::SupplyTestDate, "Supply Test %1 Date"},
    {&ProjectData::SupplyStaticPressure, "Supply Test %1 Static Pressure"},
    {&ProjectData::SupplyResidualPressure, "Supply Test %1 Residual Pressure"},
    {&ProjectData::SupplyResidualFlow, "Supply Test %1 Residual Flow"},
    {&ProjectData::SupplyOrificeSize, "Supply Test %1 Orifice Size"},
    {&ProjectData::SupplyDischargeCoef, "Supply Test %1 Discharge Coefficient"},
    {&ProjectData::SupplyPitotReading, "Supply Test %1 Pitot Reading"},
    {&ProjectData::HydrantsFlowed, "Supply Test %1 Hydrants Flowed"},
    {&ProjectData::OutletsFlowed, "Supply Test %1 Outlets Flowed"},
    {&ProjectData::StaticHydrantLocation, "Supply Test %1 Static Hydrant Location"},
    {&ProjectData::FlowHydrantLocation, "Supply Test %1 Flow Hydrant Location"},
    {&ProjectData::SupplyTestTime, "Supply Test %1 Time"},
    {&ProjectData::MainSize, "Supply Test %1 Main Size"},
    {&ProjectData::MainType, "Supply Test %1 Main Type"},
    {&ProjectData::DemandFlow, "Demand Point %1 Flow"},
    {&ProjectData::DemandPressure, "Demand Point %1 Pressure"},
    {&ProjectData::DemandPurpose, "Demand Point %1 Purpose"},
    {&ProjectData::HydrantDemandFlow, "Hydrant Demand Point %1 Flow"},
    {&ProjectData::HydrantDemandPressure, "Hydrant Demand Point %1 Pressure"},
    {&ProjectData::HydrantDemandPurpose, "Hydrant Demand Point %1 Purpose"},
    {&ProjectData::Comments, "Comments Page %1"},
    {&ProjectData::HydrantComments, "Hydrant Comments Page %1"},
    {&ProjectData::PumpTestDate, "Pump Test %1 Date"},
    {&ProjectData::PumpTestKind, "Pump Test %1 Kind"},
    {&ProjectData::TransferSwitchNote, "Pump Test %1 Transfer Switch"},
    {&ProjectData::PitotFlowComment, "Pump Test %1 Pitot Flow Comment"},
    {&ProjectData::PitotReadingComment, "Pump Test %1 Pitot Reading Comment"},
    {&ProjectData::PrvSettings, "Pump Test %1 PRV Settings"},
    {&ProjectData::CombinedCurveComment, "Pump Test %1 Combined Curve Comment"},
    {&ProjectData::NfpaComment, "Pump Test %1 NFPA Comment"},
    {&ProjectData::MotorComment, "Pump Test %1 Motor Comment"},
    {&ProjectData::AutomaticStarts, "Pump Test %1 Automatic Starts"},
    {&ProjectData::ManualStarts, "Pump Test %1 Manual Starts"},
    {&ProjectData::ControllerTestComment, "Pump Test %1 Controller Test Comment"},
    {&ProjectData::EngineHourMeter, "Pump Test %1 Engine Hour Meter"},
    {&ProjectData::FuelTankOther, "Pump Test %1 Fuel Tank"},
    {&ProjectData::PressureSettingsComment, "Pump Test %1 Pressure Settings Comment"},
};

const NumberedField<ReadingTable> kReadingTables[] = {
    {&ProjectData::PumpReadings, "Pump Test %1 Readings"}};
const NumberedField<PitotTable> kPitotTables[] = {
    {&ProjectData::PitotGrid, "Pump Test %1 Pitot Readings"}};
const NumberedField<ControllerTable> kControllerTables[] = {
    {&ProjectData::ControllerGrid, "Pump Test %1 Controller Tests"}};
const NumberedField<PressureSettingTable> kPressureTables[] = {
    {&ProjectData::PressureSettings, "Pump Test %1 Pressure Settings"}};

bool Holds(const QString& cell, const QString* field) {
    return &cell == field;
}

template <class Cell, std::size_t N>
bool Holds(const std::array<Cell, N>& cells, const QString* field) {
    for (const Cell& cell : cells) {
        if (Holds(cell, field)) {
            return true;
        }
    }
    return false;
}

template <class Cells, std::size_t N>
QString NumberedLabel(const ProjectData& project, const NumberedField<Cells> (&table)[N],
                      const QString* field) {
    for (const NumberedField<Cells>& entry : table) {
        const PerTest<Cells>& perTest = project.*entry.Member;
        for (int number = 1; number <= kTestCount; ++number) {
            if (Holds(perTest[number], field)) {
                return QString::fromUtf8(entry.Label).arg(number);
            }
        }
    }
    return QString();
}

} // namespace

QString FieldLabel(const ProjectData& project, const QString* field) {
    for (const SingleField& entry : kSingleFields) {
        if (&(project.*entry.Member) == field) {
            return QString::fromUtf8(entry.Label);
        }
    }
    for (const QString& label : {NumberedLabel(project, kNumberedFields, field),
                                 NumberedLabel(project, kReadingTables, field),
                                 NumberedLabel(project, kPitotTables, field),
                                 NumberedLabel(project, kControllerTables, field),
                                 NumberedLabel(project, kPressureTables, field)}) {
        if (!label.isEmpty()) {
            return label;
        }
    }
    return QString();
}

} // namespace quenra
