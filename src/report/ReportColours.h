#pragma once

#include <QColor>

namespace quenra {

struct ProjectData;

// The four colours of the Setup page that paint a report page, read afresh for every page.
struct ReportColours {
    QColor Background; // page and cell fill
    QColor HeadingFill;
    QColor Line;  // frames, table lines, headings and labels
    QColor Value; // the inspector's entries
};

ReportColours ReportColoursOf(const ProjectData& project);

} // namespace quenra
