#pragma once

#include <QString>
#include <QStringList>

namespace quenra::report_text {

// Every caption, heading, sentence and disclaimer line of the report, in one place.

// Template captions
inline const QString kSpaceHolder = QStringLiteral("Space Holder");
inline const QString kPlaceholder = QStringLiteral("x");
inline const QString kComment = QStringLiteral("Comment:");

inline const QString kClient = QStringLiteral("Client:");
inline const QString kLocation = QStringLiteral("Location:");
inline const QString kCityStateZip = QStringLiteral("City, State, Zip:");
inline const QString kDateOfVisit = QStringLiteral("Date of Visit:");
inline const QString kPolicyNumber = QStringLiteral("Policy Number:");
inline const QString kPcre = QStringLiteral("PCRE:");

inline const QString kWaterSource = QStringLiteral("Water Source:");
inline const QString kTestDate = QStringLiteral("Test Date:");
inline const QString kTime = QStringLiteral("Time:");
inline const QString kStaticPressure = QStringLiteral("Static Pressure:");
inline const QString kResidualPressure = QStringLiteral("Residual Pressure:");
inline const QString kFlow = QStringLiteral("Flow:");
inline const QString kPitotPressure = QStringLiteral("Pitot Pressure:");
inline const QString kDischargeCoefficient = QStringLiteral("Discharge Coefficient:");
inline const QString kOutletSize = QStringLiteral("Outlet Size:");
inline const QString kHydrantsFlowed = QStringLiteral("Number of Hydrants Flowed:");
inline const QString kOutletsFlowed = QStringLiteral("Number of Outlets Flowed:");
inline const QString kStaticHydrantLocation = QStringLiteral("Static/Residual Hydrant Location:");
inline const QString kMainSize = QStringLiteral("Size of Water Main:");
inline const QString kFlowHydrantLocation = QStringLiteral("Flow Hydrant Location:");
inline const QString kMainType = QStringLiteral("Type of Water Main:");

inline const QString kChurn = QStringLiteral("Churn:");
inline const QString kRating100 = QStringLiteral("100% Rating:");
inline const QString kRpm = QStringLiteral("RPM:");
inline const QString kRating150 = QStringLiteral("150% Rating:");
inline const QString kPumpSupplies = QStringLiteral("The fire pump supplies the");
inline const QString kVolts = QStringLiteral("VOLTS:");
inline const QString kAmps = QStringLiteral("AMPS:");
inline const QString kServiceFactor = QStringLiteral("Service Factor:");
inline const QString kEngineHourMeter = QStringLiteral("Engine Hour Meter:");
inline const QString kFuelTankLevel = QStringLiteral("Fuel Tank Level:");

inline const QString kAutomaticStarts = QStringLiteral("Automatic Starts:");
inline const QString kManualStarts = QStringLiteral("Manual Starts:");
inline const QString kRatedSpeedWithoutInterruption =
    QStringLiteral("As per NFPA 20 the fire pump was brought to rated speed without interruption");

inline const QString kJockeyPumpOn = QStringLiteral("Jockey Pump On:");
inline const QString kJockeyPumpOff = QStringLiteral("Jockey Pump Off:");
inline const QString kFirePumpOn = QStringLiteral("Fire Pump On:");
inline const QString kFirePumpOff = QStringLiteral("Fire Pump Off:");

// Heading bars
inline const QString kHydrantReportTitle = QStringLiteral("Fire Hydrant Test Report");
inline const QString kPumpReportTitle = QStringLiteral("Fire Pump Test Report");
inline const QString kPumpAndDriverData = QStringLiteral("Fire Pump and Driver Data");
inline const QString kFirePumpTest = QStringLiteral("Fire Pump Test ");
inline const QString kFirePumpPerformance = QStringLiteral("Fire Pump Performance");
inline const QString kElectricMotorPerformance = QStringLiteral("Electric Motor Performance");
inline const QString kControllerAcceptanceTests =
    QStringLiteral("Fire Pump Controller Acceptance Tests");
inline const QString kPressureSettings =
    QStringLiteral("Fire & Jockey Pump Controller Pressure Settings");
inline const QString kTransferSwitchTest =
    QStringLiteral("Electric Fire Pump Controller Transfer Switch Test");
inline const QString kTransferSwitchResults = QStringLiteral("Transfer Switch Test Results");
inline const QString kWaterSupply = QStringLiteral("Water Supply - ");
inline const QString kComments = QStringLiteral("Comments");
inline const QString kSystemDemandPoints = QStringLiteral("System Demand Points");
inline const QString kCombinedPumpCurves =
    QStringLiteral("Fire Flow Discharge (Combined) Pump Curves");

// Disclaimer lines; the trailing blanks are part of them.
inline const QString kDisclaimer1 =
    QStringLiteral("This document is advisory in nature.  It is offered as a resource to be used "
                   "together with your professional insurance advisors in maintaining a loss ");
inline const QString kDisclaimer2 = QStringLiteral(
    "control program.  Evaluations, reports, and recommendations are made solely to assist the "
    "insurer in underwriting and loss control.  Evaluation for ");
inline const QString kDisclaimer3 =
    QStringLiteral("any hazard or condition does not imply that it is covered under any policy.  "
                   "No liability is assumed by the information contained in this document.  ");

// Values
inline const QString kNotAvailable = QStringLiteral("N/A");
inline const QString kRpmUnit = QStringLiteral(" RPM");
inline const QString kAt = QStringLiteral(" @ ");
inline const QString kFuelFull = QStringLiteral("Full");
inline const QString kFuelThreeQuarters = QStringLiteral("3/4");

// Combined-curve sentence
inline const QString kCombinedSubject =
    QStringLiteral("The fire pump combined with the water supply");
inline const QString kCan = QStringLiteral(" can ");
inline const QString kCannot = QStringLiteral(" cannot ");
inline const QString kCombinedObject = QStringLiteral("meet the largest fire protection demand(s)");
inline const QString kListedBelow = QStringLiteral(" listed below.");
inline const QString kSeeBelow = QStringLiteral(", see below.");

// Demand point lines
inline const QString kDemandPoint = QStringLiteral("Demand Point ");
inline const QString kAtWord = QStringLiteral(" at ");
inline const QString kIsFor = QStringLiteral(" is for ");
inline const QString kSentenceEnd = QStringLiteral(". ");

// Pump performance sentence
inline const QString kFirePump = QStringLiteral("The fire pump");
inline const QString kNfpa25Requirement =
    QStringLiteral("meet NFPA 25 requirement of at least 95% of fire pump rating");
inline const QString kNfpa20Requirement =
    QStringLiteral("meet NFPA 20 requirement of the fire pump rating");
inline const QString kFullStop = QStringLiteral(".");
inline const QString kSeeCommentsBelow = QStringLiteral(", see comments below.");

// Test data table
inline const QString kNumberSign = QStringLiteral("#");
inline const QString kGridVolts = QStringLiteral("Volts");
inline const QString kGridAmps = QStringLiteral("Amps");
inline const QString kGridPumpPressure = QStringLiteral("Pump Pres ");
inline const QString kGridNozzles = QStringLiteral(">Nozzles");
inline const QString kGridPitotReadings = QStringLiteral(">Pitot Pressure Readings ");
inline const QString kGridFlow = QStringLiteral("Flow");
inline const QString kGridNo = QStringLiteral("No");
inline const QString kGridAb = QStringLiteral("ab");
inline const QString kGridAc = QStringLiteral("ac");
inline const QString kGridBc = QStringLiteral("bc");
inline const QString kGridRpm = QStringLiteral("RPM");
inline const QString kGridDischarge = QStringLiteral("Disch");
inline const QString kGridSuction = QStringLiteral("Suct");
inline const QString kGridNet = QStringLiteral("Net");
inline const QString kGridDiameter = QStringLiteral("Diam");
inline const QString kGridCoefficient = QStringLiteral("Coef");
inline const QString kGridNoNozzle = QStringLiteral("-----");
inline const QString kGridChurnNote = QStringLiteral(">This is the CHURN test");
inline const QString kGridChurnRow = QStringLiteral("-");
inline const QString kGridTransferSwitchRow = QStringLiteral("TS");

// Electric motor limits and sentence
inline const QString kMinVolts = QStringLiteral("Min Volts: (5% Below Rating) ");
inline const QString kMinVoltsFactor = QStringLiteral(" X 0.95 =");
inline const QString kMaxVolts = QStringLiteral("Max Volts: (10% Above Rating) ");
inline const QString kMaxVoltsFactor = QStringLiteral(" X 1.10 =");
inline const QString kMaxAmps = QStringLiteral("Max Amps: Amps ");
inline const QString kTimesServiceFactor = QStringLiteral(" X Service Factor ");
inline const QString kEquals = QStringLiteral(" =");
inline const QString kMotorMeets = QStringLiteral("Motor meets NFPA ");
inline const QString kMotorMeetsEnd = QStringLiteral(" min volt and amp performance.");
inline const QString kVoltsAmpsNotTaken =
    QStringLiteral("The volts/amps were not taken as required by NFPA ");
inline const QString kMotorFails = QStringLiteral("Motor does not meet NFPA ");
inline const QString kMotorFailsEnd = QStringLiteral(" volts/amps, see below.");

// Controller acceptance sentences
inline const QString kEmergencyHandle =
    QStringLiteral("Emergency start handle was tested per NFPA 20 and");
inline const QString kPeakLoad =
    QStringLiteral("under the conditions of a peak load discharge and");
inline const QString kOperated = QStringLiteral(" operated ");
inline const QString kDidNotOperate = QStringLiteral(" did not operate ");
inline const QString kProperly = QStringLiteral("properly.");

// Transfer switch sentences
inline const QString kSwitchPassed =
    QStringLiteral("The transfer switch operated properly when tested as per NFPA ");
inline const QString kSwitchPassedEnd = QStringLiteral(", see test data results below.");
inline const QString kSwitchFailed =
    QStringLiteral("The transfer switch was tested as required by NFPA ");
inline const QString kSwitchFailedEnd =
    QStringLiteral("; but did not operate properly.  See below.");
inline const QString kSwitchNotTested =
    QStringLiteral("The transfer switch was not tested as required by NFPA ");
inline const QString kSwitchNotTestedEnd =
    QStringLiteral("; see comment section below for details.");

// The NFPA standards the sentences cite.
inline const QString kNfpa25 = QStringLiteral("25");
inline const QString kNfpa20 = QStringLiteral("20");

} // namespace quenra::report_text
