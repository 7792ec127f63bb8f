#include "hydraulics/PumpTestTable.h"

#include "hydraulics/MotorLimits.h"
#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "model/StoredChoices.h"

namespace quenra {
namespace {

using ReadingRow = std::array<QString, kReadingColumns + 1>;

// Limits the readings of a pump test are judged by, from the pump and driver data.
struct ReadingLimits {
    double RatedSpeed = 0.0;
    MotorLimits Motor;
    // Only an electric motor has volts and amps worth judging; a driver kind with no
    // selection gets no marking either.
    bool Judged = false;
};

ReadingLimits ReadLimits(const ProjectData& project) {
    return ReadingLimits{ParseNumber(project.RatedSpeed),
                         MotorLimits(ParseNumber(project.DriverVolts),
                                     ParseNumber(project.DriverAmps),
                                     ParseNumber(project.ServiceFactor)),
                         project.DriverKind == kElectricDriver};
}

bool IsPumpTest(int pumpTest) {
    return pumpTest >= 1 && pumpTest <= kTestCount;
}

QString Braced(const QString& text) {
    return QLatin1Char('{') + text + QLatin1Char('}');
}

QString BracedOrEmpty(double value, const QString& text) {
    return value != 0.0 ? Braced(text) : kEmptyComputed;
}

bool IsEditing(const std::optional<GridCell>& editing, int column, int row) {
    return editing && editing->Column == column && editing->Row == row;
}

// Puts the non-zero phase readings that fail `outOfRange` between "<" and ">" in the shown
// row, leaving alone the cell the inspector is typing in. Returns whether any failed.
template <class Predicate>
bool MarkPhaseReadings(ReadingRow& shown, int firstColumn, int row,
                       const std::optional<GridCell>& editing, Predicate outOfRange) {
    bool marked = false;
    for (int column = firstColumn; column < firstColumn + kPhaseCount; ++column) {
        if (IsEditing(editing, column, row))
            continue;
        const QString reading = StripBrackets(shown[column]);
        const double value = ParseBracedNumber(reading);
        if (value != 0.0 && outOfRange(value)) {
            shown[column] = QLatin1Char('<') + reading + QLatin1Char('>');
            marked = true;
        }
    }
    return marked;
}

double SumOfPhases(const ReadingRow& cells, int firstColumn) {
    double sum = 0.0;
    for (int column = firstColumn; column < firstColumn + kPhaseCount; ++column)
        sum += ParseBracedNumber(cells[column]);
    return sum;
}

// Mean voltage and total current are kept for the report; the page hides their columns.
void StorePhaseSummaries(ReadingRow& shown, ReadingRow& stored) {
    const double meanVolts = SumOfPhases(shown, kFirstVoltsColumn) / kPhaseCount;
    stored[kMeanVoltsColumn] = BracedOrEmpty(meanVolts, FormatRounded(1, meanVolts));
    shown[kMeanVoltsColumn] = kEmptyComputed;
    const double totalAmps = SumOfPhases(shown, kFirstAmpsColumn);
    stored[kTotalAmpsColumn] = BracedOrEmpty(totalAmps, FormatRounded(1, totalAmps));
    shown[kTotalAmpsColumn] = kEmptyComputed;
}

// Returns the net pressure to adjust for speed. A flowing point with neither pressure typed
// keeps the net pressure stored with it, but has no pressure of its own to adjust (0). The
// churn point always gets its net pressure.
double UpdateNetPressure(ReadingRow& shown, ReadingRow& stored, int row) {
    const double discharge = ParseBracedNumber(shown[kDischargeColumn]);
    if (row != kChurnRow && shown[kDischargeColumn].isEmpty() && shown[kSuctionColumn].isEmpty())
        return discharge;
    const double net = discharge - ParseBracedNumber(shown[kSuctionColumn]);
    shown[kNetPressureColumn] = BracedOrEmpty(net, FormatGeneral(net));
    stored[kNetPressureColumn] = shown[kNetPressureColumn];
    return net;
}

// Pressure and flow brought to rated speed by the affinity laws; a row without a speed has
// nothing to adjust.
void UpdateSpeedAdjusted(ReadingRow& shown, ReadingRow& stored, double net, double ratedSpeed) {
    const double speed = ParseBracedNumber(shown[kSpeedColumn]);
    QString pressure = kEmptyComputed;
    QString flow = kEmptyComputed;
    if (speed != 0.0) {
        const double flowRead = ParseBracedNumber(shown[kFlowColumn]);
        pressure = Braced(FormatRounded(1, ratedSpeed * (net * ratedSpeed) / (speed * speed)));
        flow = Braced(FormatRounded(0, flowRead * ratedSpeed / speed));
    }
    shown[kAdjustedPressureColumn] = stored[kAdjustedPressureColumn] = pressure;
    shown[kAdjustedFlowColumn] = stored[kAdjustedFlowColumn] = flow;
}

// Recomputes one row; returns whether an electrical reading of it is out of range.
bool UpdateReadingRow(ReadingRow& shown, ReadingRow& stored, int row, const ReadingLimits& limits,
                      const std::optional<GridCell>& editing) {
    bool outOfRange = false;
    if (limits.Judged) {
        const auto voltsOut = [&](double v) { return limits.Motor.VoltsOutside(v); };
        const auto ampsOut = [&](double a) { return limits.Motor.AmpsOutside(a); };
        outOfRange = MarkPhaseReadings(shown, kFirstVoltsColumn, row, editing, voltsOut);
        outOfRange =
            MarkPhaseReadings(shown, kFirstAmpsColumn, row, editing, ampsOut) || outOfRange;
    }
    StorePhaseSummaries(shown, stored);
    const double net = UpdateNetPressure(shown, stored, row);
    UpdateSpeedAdjusted(shown, stored, net, limits.RatedSpeed);
    return outOfRange;
}

} // namespace

PumpTestTableView PumpTestTableUpdate(ProjectData& project, int pumpTest,
                                      std::optional<GridCell> editing) {
    PumpTestTableView view;
    if (!IsPumpTest(pumpTest))
        return view;
    view.PitotFlowsComputed = HoseStreamFlows(project, pumpTest, &view.HoseStreamFlows);
    const ReadingLimits limits = ReadLimits(project);
    ReadingTable& stored = project.PumpReadings[pumpTest];
    view.Shown = stored;
    for (int row = 1; row <= kReadingRows; ++row) {
        if (UpdateReadingRow(view.Shown[row], stored[row], row, limits, editing))
            view.OutOfRange = true;
    }
    return view;
}

int LastReadingRow(const ProjectData& project, int pumpTest) {
    if (!IsPumpTest(pumpTest))
        return 0;
    const bool adjusted = project.PlotAdjusted[pumpTest];
    const int flowColumn = adjusted ? kAdjustedFlowColumn : kFlowColumn;
    const int pressureColumn = adjusted ? kAdjustedPressureColumn : kNetPressureColumn;
    // The transfer switch row is not a point of the pump curve.
    const int rows = HasTransferSwitchRow(project, pumpTest) ? kReadingRows - 1 : kReadingRows;
    const ReadingTable& readings = project.PumpReadings[pumpTest];
    int last = 0;
    for (int row = 1; row <= rows; ++row) {
        if (ParseBracedNumber(readings[row][flowColumn]) != 0.0 ||
            ParseBracedNumber(readings[row][pressureColumn]) != 0.0)
            last = row;
    }
    return last;
}

bool HasElectricalReadings(const ProjectData& project, int pumpTest) {
    const int lastRow = LastReadingRow(project, pumpTest);
    for (int row = 1; row <= lastRow; ++row) {
        const ReadingRow& cells = project.PumpReadings[pumpTest][row];
        for (int phase = 0; phase < kPhaseCount; ++phase) {
            if (ParseBracedNumber(cells[kFirstVoltsColumn + phase]) != 0.0 ||
                ParseBracedNumber(cells[kFirstAmpsColumn + phase]) != 0.0)
                return true;
        }
    }
    return false;
}

bool IsAnnualTest(const ProjectData& project, int pumpTest) {
    if (!IsPumpTest(pumpTest))
        return false;
    return TrimBlanks(project.PumpTestKind[pumpTest]).toLower().contains(QLatin1String("annual"));
}

bool IsElectricDriver(const ProjectData& project) {
    return project.DriverKind != kDieselDriver;
}

bool IsDieselDriver(const ProjectData& project) {
    return project.DriverKind == kDieselDriver;
}

bool HasTransferSwitchRow(const ProjectData& project, int pumpTest) {
    if (!IsPumpTest(pumpTest))
        return false;
    // A switch that was tested, passed or failed, took the last row of readings.
    const std::optional<TransferSwitchStatus> state =
        ReadTransferSwitch(project.TransferSwitchState[pumpTest]);
    return (state == TransferSwitchStatus::Passed || state == TransferSwitchStatus::Failed) &&
           IsElectricDriver(project);
}

} // namespace quenra
