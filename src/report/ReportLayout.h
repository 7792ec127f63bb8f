#pragma once

#include "DemandLineText.h"
#include "ReportControl.h"
#include "ReportGrid.h"
#include "ReportPanel.h"

#include <array>

namespace quenra {

// The report layout: every section, control and table with its rectangle, text and
// visibility. MakeReportTemplate() gives the design; the fillers write a copy of it before
// each page, and the composer draws from that copy.
class ReportLayout {
public:
    ReportControl& operator[](ControlId id) { return controls_[Index(id)]; }
    const ReportControl& operator[](ControlId id) const { return controls_[Index(id)]; }

    ReportPanel& Panel(PanelId id) { return panels_[static_cast<std::size_t>(id)]; }
    const ReportPanel& Panel(PanelId id) const { return panels_[static_cast<std::size_t>(id)]; }

    ReportGrid SG1; // fire pump test data
    ReportGrid SG2; // transfer switch results

    int DemandLineCount = 0; // demand point lines filled (0..5)
    // The parts of each filled demand point line, whose box holds the whole text.
    std::array<DemandLineText, 5> DemandLines{};
    int CommentLineCount = 0; // comment lines filled (0..6)

private:
    static std::size_t Index(ControlId id) { return static_cast<std::size_t>(id); }

    std::array<ReportControl, kControlCount> controls_{};
    std::array<ReportPanel, kPanelCount> panels_{};
};

} // namespace quenra
