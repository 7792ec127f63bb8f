#pragma once

namespace quenra {

// The report's sections, named by what they hold; the template's table of section heights
// gives the names of the layout form's panels beside them.
enum class PanelId {
    ClientBlock,
    WaterSupplyBlock, // hydrant tests
    DemandBlock,      // demand points and combined curves
    CommentsBlock,
    PumpDataBlock, // fire pump and driver data
    PumpTestDataBlock,
    PumpPerformanceBlock,
    MotorPerformanceBlock, // electric motor
    TransferSwitchTestBlock,
    TransferSwitchResultsBlock,
    ControllerTestsBlock, // controller acceptance tests
    PressureSettingsBlock,
    DisclaimerBlock,
    Count
};

constexpr int kPanelCount = static_cast<int>(PanelId::Count);

// A section: every section starts at the left edge and spans the report's width.
struct ReportPanel {
    int Left = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
};

} // namespace quenra
