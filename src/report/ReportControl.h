#pragma once

#include <QString>

namespace quenra {

// Every label, value box and heading bar of the report layout. Labels and value boxes keep the
// names of the layout form, the template's names; heading bars are named by their section
// (the template's table gives the form's names beside them). Heading bars are controls too:
// the composer needs only their rectangle and caption.
// clang-format off
enum class ControlId {
    // Client section
    TitleHeading, Label1, Label2, Label3, Label4, Label5, Label90,
    Edit1, Edit2, Edit3, Edit4, Edit5, Edit95,
    // Fire pump and driver data
    PumpDataHeading, Label6, Label7, Label8, Label9, Label10, Label24, Label25, Label26, Label47,
    Label48,
    Edit6, Edit7, Edit8, Edit9, Edit10, Edit23, Edit24, Edit25, Edit49, Edit50,
    // Fire pump test data
    PumpTestDataHeading,
    // Fire pump performance
    PumpPerformanceHeading, Label21, Label23, Edit21, Edit22, Edit29,
    // Electric motor performance
    MotorPerformanceHeading, Label27, Label30, Label32, Label34, Label65,
    Edit28, Edit32, Edit34, Edit35, Edit36, Edit68,
    // Controller acceptance tests
    ControllerTestsHeading, Label31, Label35, Label36, Label37, Label38, Label39,
    Edit12, Edit14, Edit15, Edit37, Edit38, Edit39, Edit40,
    // Pressure settings
    PressureSettingsHeading, Label33, Label40, Label41, Label42, Label43,
    Edit17, Edit19, Edit41, Edit42, Edit43, Edit44,
    // Transfer switch test and its results
    TransferSwitchTestHeading, Label44, Label45, Edit45, Edit46, Edit47,
    TransferSwitchResultsHeading,
    // Water supply
    WaterSupplyHeading, Label50, Label51, Label52, Label53, Label54, Label55, Label56, Label57,
    Label58, Label59, Label60, Label61, Label62, Label63, Label64,
    Edit53, Edit54, Edit55, Edit56, Edit57, Edit58, Edit59, Edit60, Edit61, Edit62, Edit63,
    Edit64, Edit65, Edit66, Edit67,
    // Comments
    CommentsHeading, Edit69, Edit70, Edit71, Edit72, Edit73, Edit74,
    // Disclaimer
    Label66, Label67, Label68,
    // Demand points and the combined curves
    DemandHeading, Label11, Label13, Label16, Label18, Label20, Label22, Label71,
    Edit11, Edit13, Edit16, Edit18, Edit20, Edit30, Edit31, Edit78,
    // The partners of lines that have only a label or only a value
    Label46, Edit48,
    Count
};
// clang-format on

constexpr int kControlCount = static_cast<int>(ControlId::Count);

enum class TextAlignment { Left, Center, Right };

// The layout font size of the form's own font; lines whose label has another size are drawn
// at their own size (the disclaimer's is 6).
constexpr int kFormFontSize = 8;
constexpr int kDisclaimerFontSize = 6;

// One control of the layout: its rectangle in layout pixels relative to its section, its
// caption or text, and how that text is drawn.
struct ReportControl {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    QString Text;
    TextAlignment Alignment = TextAlignment::Left;
    int FontSize = kFormFontSize;
    bool Visible = true;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

} // namespace quenra
