#include "ReportTemplate.h"

#include "ReportTexts.h"

namespace quenra {

namespace {

using enum ControlId;
namespace text = report_text;

constexpr int kSectionWidth = 753;

struct ControlRow {
    ControlId Id;
    int Left, Top, Width, Height;
    const QString* Text = nullptr; // none: an empty box
    TextAlignment Alignment = TextAlignment::Left;
    int FontSize = kFormFontSize;
};

constexpr TextAlignment kRight = TextAlignment::Right;
const QString* const kX = &text::kPlaceholder;

// Rectangles in layout pixels relative to their section, as the form lays them out.
const ControlRow kControls[] = {
    // Client (Panel1); the title bar's caption is the report title.
    {TitleHeading, 1, 1, 751, 18}, // Panel2
    {Label1, 24, 24, 36, 16, &text::kClient},
    {Label2, 24, 48, 54, 16, &text::kLocation},
    {Label3, 24, 72, 87, 16, &text::kCityStateZip},
    {Label4, 472, 24, 74, 16, &text::kDateOfVisit},
    {Label5, 472, 48, 91, 16, &text::kPolicyNumber},
    {Label90, 472, 72, 40, 16, &text::kPcre},
    {Edit1, 112, 20, 345, 24},
    {Edit2, 112, 44, 345, 24},
    {Edit3, 112, 68, 337, 24},
    {Edit4, 560, 20, 169, 24},
    {Edit5, 576, 44, 153, 24},
    {Edit95, 528, 68, 201, 24},

    // Fire pump and driver data (Panel3)
    {PumpDataHeading, 1, 1, 751, 18, &text::kPumpAndDriverData}, // Panel4
    {Label6, 24, 48, 37, 16, &text::kChurn},
    {Label7, 184, 48, 78, 16, &text::kRating100},
    {Label8, 24, 24, 33, 16, &text::kRpm},
    {Label9, 480, 48, 78, 16, &text::kRating150},
    {Label10, 24, 72, 157, 16, &text::kPumpSupplies},
    {Label24, 184, 24, 47, 16, &text::kVolts},
    {Label25, 368, 24, 41, 16, &text::kAmps},
    {Label26, 528, 24, 90, 16, &text::kServiceFactor},
    {Label47, 248, 98, 114, 16, &text::kEngineHourMeter, kRight},
    {Label48, 516, 98, 99, 16, &text::kFuelTankLevel, kRight},
    {Edit6, 80, 44, 89, 24},
    {Edit7, 272, 44, 193, 24},
    {Edit8, 64, 20, 105, 24},
    {Edit9, 584, 44, 145, 24},
    {Edit10, 200, 68, 545, 24},
    {Edit23, 264, 20, 81, 24},
    {Edit24, 424, 20, 81, 24},
    {Edit25, 624, 20, 105, 24},
    {Edit49, 376, 92, 89, 24},
    {Edit50, 616, 92, 113, 24},

    // Fire pump test data (Panel5); the caption names the test.
    {PumpTestDataHeading, 1, 1, 751, 18}, // Panel6

    // Fire pump performance (Panel7); the sentence label is Arial at the form's size.
    {PumpPerformanceHeading, 1, 1, 751, 18, &text::kFirePumpPerformance}, // Panel8
    {Label21, 16, 28, 540, 16},
    {Label23, 16, 52, 60, 16, &text::kComment},
    {Edit21, 90, 48, 647, 24},
    {Edit22, 16, 74, 721, 24},
    {Edit29, 586, 24, 44, 24, kX},

    // Electric motor performance (Panel11)
    {MotorPerformanceHeading, 1, 1, 751, 18, &text::kElectricMotorPerformance}, // Panel12
    {Label27, 366, 24, 35, 16},
    {Label30, 16, 24, 269, 16},
    {Label32, 16, 48, 283, 16},
    {Label34, 16, 72, 60, 16, &text::kComment},
    {Label65, 366, 48, 251, 16},
    {Edit28, 706, 20, 34, 24},
    {Edit32, 322, 20, 34, 24},
    {Edit34, 322, 44, 34, 24},
    {Edit35, 90, 72, 647, 24},
    {Edit36, 16, 92, 721, 24},
    {Edit68, 648, 44, 92, 24, kX},

    // Controller acceptance tests (Panel13)
    {ControllerTestsHeading, 1, 1, 751, 18, &text::kControllerAcceptanceTests}, // Panel14
    {Label35, 16, 28, 99, 16, &text::kAutomaticStarts},
    {Label36, 16, 52, 84, 16, &text::kManualStarts},
    {Label37, 176, 28, 468, 16},
    {Label38, 176, 52, 450, 16, &text::kRatedSpeedWithoutInterruption},
    {Label39, 176, 74, 511, 16},
    {Label31, 16, 92, 60, 16, &text::kComment},
    {Edit37, 120, 20, 33, 24},
    {Edit38, 120, 44, 33, 24},
    {Edit39, 656, 20, 81, 24, kX},
    {Edit40, 656, 44, 81, 24, kX},
    {Edit12, 90, 92, 647, 24},
    {Edit14, 16, 112, 721, 24},
    {Edit15, 696, 68, 41, 24, kX},

    // Pressure settings (Panel15)
    {PressureSettingsHeading, 1, 1, 751, 18, &text::kPressureSettings}, // Panel16
    {Label40, 16, 26, 105, 16, &text::kJockeyPumpOn},
    {Label41, 211, 26, 104, 16, &text::kJockeyPumpOff},
    {Label42, 406, 26, 84, 16, &text::kFirePumpOn},
    {Label43, 571, 26, 83, 16, &text::kFirePumpOff},
    {Label33, 16, 44, 60, 16, &text::kComment},
    {Edit41, 136, 20, 73, 24},
    {Edit42, 328, 20, 73, 24},
    {Edit43, 496, 20, 73, 24},
    {Edit44, 656, 20, 81, 24},
    {Edit17, 90, 41, 647, 24},
    {Edit19, 16, 65, 721, 24},

    // Transfer switch test (Panel17) and its results (Panel19)
    {TransferSwitchTestHeading, 1, 1, 751, 18, &text::kTransferSwitchTest}, // Panel18
    {Label44, 16, 24, 358, 16},
    {Label45, 16, 50, 60, 16, &text::kComment},
    {Edit45, 600, 18, 137, 24, kX},
    {Edit46, 90, 44, 647, 24},
    {Edit47, 16, 66, 721, 24},
    {TransferSwitchResultsHeading, 1, 1, 751, 18, &text::kTransferSwitchResults}, // Panel20

    // Water supply (Panel23); the caption names the test's date.
    {WaterSupplyHeading, 1, 1, 751, 18}, // Panel24
    {Label50, 16, 26, 85, 16, &text::kWaterSource},
    {Label51, 275, 26, 62, 16, &text::kTestDate},
    {Label52, 16, 50, 93, 16, &text::kStaticPressure},
    {Label53, 275, 50, 114, 16, &text::kResidualPressure},
    {Label54, 560, 50, 31, 16, &text::kFlow},
    {Label55, 16, 74, 86, 16, &text::kPitotPressure},
    {Label56, 275, 74, 130, 16, &text::kDischargeCoefficient},
    {Label57, 560, 74, 66, 16, &text::kOutletSize},
    {Label58, 560, 26, 34, 16, &text::kTime},
    {Label59, 16, 98, 169, 16, &text::kHydrantsFlowed},
    {Label60, 275, 98, 156, 16, &text::kOutletsFlowed},
    {Label61, 275, 122, 200, 16, &text::kStaticHydrantLocation},
    {Label62, 275, 146, 135, 16, &text::kFlowHydrantLocation},
    {Label63, 16, 146, 120, 16, &text::kMainType},
    {Label64, 16, 122, 114, 16, &text::kMainSize},
    {Edit53, 120, 20, 145, 24},
    {Edit54, 400, 20, 137, 24},
    {Edit55, 120, 44, 145, 24},
    {Edit56, 416, 44, 121, 24},
    {Edit57, 600, 44, 137, 24},
    {Edit58, 120, 68, 145, 24},
    {Edit59, 432, 68, 105, 24},
    {Edit60, 648, 68, 89, 24},
    {Edit61, 600, 20, 137, 24},
    {Edit62, 192, 92, 73, 24},
    {Edit63, 472, 92, 265, 24},
    {Edit64, 458, 116, 279, 24},
    {Edit65, 458, 140, 279, 24},
    {Edit66, 152, 116, 113, 24},
    {Edit67, 160, 140, 105, 24},

    // Comments (Panel25)
    {CommentsHeading, 1, 1, 751, 18, &text::kComments}, // Panel26
    {Edit69, 16, 20, 721, 24},
    {Edit70, 16, 40, 721, 24},
    {Edit71, 16, 60, 721, 24},
    {Edit72, 16, 80, 721, 24},
    {Edit73, 16, 100, 721, 24},
    {Edit74, 16, 120, 721, 24},

    // Disclaimer (Panel27), Arial of character height 10 at the form's 120 pixels per inch.
    {Label66, 80, 2, 681, 13, &text::kDisclaimer1, TextAlignment::Left, kDisclaimerFontSize},
    {Label67, 80, 12, 682, 13, &text::kDisclaimer2, TextAlignment::Left, kDisclaimerFontSize},
    {Label68, 80, 22, 687, 13, &text::kDisclaimer3, TextAlignment::Left, kDisclaimerFontSize},

    // Demand points and combined curves (Panel28); the heading's caption is set per section.
    {DemandHeading, 1, 1, 751, 18}, // Panel29
    {Label18, 16, 176, 6, 16, nullptr, kRight},
    {Label16, 16, 152, 6, 16},
    {Label13, 16, 128, 6, 16, nullptr, kRight},
    {Label11, 16, 104, 6, 16, nullptr, kRight},
    {Label20, 16, 200, 6, 16, nullptr, kRight},
    {Label22, 16, 28, 519, 16},
    {Label71, 16, 52, 60, 16, &text::kComment},
    {Edit11, 40, 100, 697, 24},
    {Edit13, 40, 124, 697, 24},
    {Edit16, 40, 145, 697, 24},
    {Edit18, 40, 169, 697, 24},
    {Edit20, 40, 193, 697, 24},
    {Edit30, 562, 24, 175, 24, kX},
    {Edit78, 90, 48, 647, 24},
    {Edit31, 16, 74, 721, 24},

    // Partners of one-sided lines; never drawn themselves.
    {Label46, 0, 0, 0, 0, &text::kSpaceHolder},
    {Edit48, 0, 0, 0, 0, &text::kSpaceHolder},
};

struct PanelRow {
    PanelId Id;
    int Height;
};

// The sections' heights, with the names of the panels of the layout form.
const PanelRow kPanels[] = {
    {PanelId::ClientBlock, 97},                // Panel1
    {PanelId::PumpDataBlock, 121},             // Panel3
    {PanelId::PumpTestDataBlock, 176},         // Panel5
    {PanelId::PumpPerformanceBlock, 105},      // Panel7
    {PanelId::MotorPerformanceBlock, 123},     // Panel11
    {PanelId::ControllerTestsBlock, 141},      // Panel13
    {PanelId::PressureSettingsBlock, 93},      // Panel15
    {PanelId::TransferSwitchTestBlock, 97},    // Panel17
    {PanelId::TransferSwitchResultsBlock, 72}, // Panel19
    {PanelId::WaterSupplyBlock, 169},          // Panel23
    {PanelId::CommentsBlock, 148},             // Panel25
    {PanelId::DisclaimerBlock, 48},            // Panel27
    {PanelId::DemandBlock, 225},               // Panel28
};

void SetGrid(ReportGrid& grid, int height, int rows) {
    grid.Left = 1;
    grid.Top = 19;
    grid.Width = 751;
    grid.Height = height;
    grid.RowCount = rows;
}

ReportLayout MakeTemplate() {
    ReportLayout layout;
    for (const ControlRow& row : kControls) {
        ReportControl& control = layout[row.Id];
        control.Left = row.Left;
        control.Top = row.Top;
        control.Width = row.Width;
        control.Height = row.Height;
        control.Text = row.Text ? *row.Text : QString();
        control.Alignment = row.Alignment;
        control.FontSize = row.FontSize;
    }
    for (const PanelRow& row : kPanels) {
        ReportPanel& panel = layout.Panel(row.Id);
        panel.Width = kSectionWidth;
        panel.Height = row.Height;
    }
    SetGrid(layout.SG1, 156, ReportGrid::kMaxRows);
    SetGrid(layout.SG2, 52, 3);
    return layout;
}

} // namespace

const ReportLayout& ReportTemplate() {
    static const ReportLayout kTemplate = MakeTemplate();
    return kTemplate;
}

} // namespace quenra
