#pragma once

#include "DemandVerdictSource.h"
#include "ReportLayout.h"
#include "ReportPage.h"

#include "hydraulics/AvailableFlow.h"

#include <QImage>

namespace quenra {

struct ProjectData;
class ReportPainter;

// Composes report pages of a project: fills the layout with the page's values and
// statements, then draws its sections down the page and puts the disclaimer at the bottom
// margin (or under the last section when the page is full). The demand point results come
// from `verdicts`, which the window and the batch line build with their own prompter.
class ReportComposer {
public:
    ReportComposer(const ProjectData& project, DemandVerdictSource verdicts,
                   QImage logo = QImage());

    // Paints the page onto `page`, whose size is the page size: background first, then the
    // sections. A null image only measures.
    ReportPageFacts ComposeReportPage(const ReportPageRequest& request,
                                      const ReportPageFrame& frame, QImage& page);

    // The same walk through the page without painting: its widest section and its content
    // height, for sizing the page before it is drawn.
    ReportPageFacts MeasureReportPage(const ReportPageRequest& request,
                                      const ReportPageFrame& frame);

    // Whether the water supply sections state the available flow; off unless asked for.
    void SetAvailableFlowOption(const AvailableFlowOption& option) { availableFlow_ = option; }

    // The layout as the last composed page filled it.
    const ReportLayout& Layout() const { return pageLayout_; }

private:
    ReportPageFacts Compose(const ReportPageRequest& request, const ReportPageFrame& frame,
                            QPainter* painter, int pageHeight);
    void DrawHydrantTests(ReportPainter& pen, const ReportPageRequest& request);
    void DrawPumpTestSections(ReportPainter& pen, bool diesel);
    ReportPageFacts PlaceDisclaimer(ReportPainter& pen, const ReportPageFrame& frame,
                                    int pageHeight);

    const ProjectData& project_;
    DemandVerdictSource verdicts_;
    QImage logo_;
    // The template filled with the values of the page being composed (the layout form `R`).
    ReportLayout pageLayout_;
    AvailableFlowOption availableFlow_;
};

} // namespace quenra
