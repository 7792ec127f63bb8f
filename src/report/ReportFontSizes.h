#pragma once

namespace quenra {

// Point sizes of the report's text on the page bitmap (96 pixels per inch). The heading and
// table sizes follow the page scale; the others are fixed.
struct ReportFontSizes {
    int Heading = 0;
    int LabelValue = 0;
    int GridHeader = 0; // the two header rows of a table
    int GridValue = 0;  // the reading rows

    // The size of a text line by its layout label's own font size.
    int ForLayoutSize(int layoutSize) const;
};

// "Large Report Font" enlarges headings, labels, values and tables.
ReportFontSizes MakeReportFontSizes(double scale, bool larger);

} // namespace quenra
