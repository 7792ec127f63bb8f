#include "ReportFontSizes.h"

#include "ReportControl.h"

#include <cmath>

namespace quenra {

namespace {

constexpr int kLabelValue = 19;
constexpr int kLargeLabelValue = 23;
constexpr int kSmallLineSize = 19;      // lines whose layout label is of size 7
constexpr int kDisclaimerLineSize = 15; // lines whose layout label is of size 6
constexpr int kGridValueReduction = 4;

// Halfway sizes go to the even one, the way the page's other roundings do.
int RoundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

int ReportFontSizes::ForLayoutSize(int layoutSize) const {
    if (layoutSize == 7)
        return kSmallLineSize;
    if (layoutSize == kDisclaimerFontSize)
        return kDisclaimerLineSize;
    return LabelValue;
}

ReportFontSizes MakeReportFontSizes(double scale, bool larger) {
    ReportFontSizes sizes;
    sizes.Heading = RoundHalfEven(scale * (larger ? 27 : 22) / 3);
    sizes.LabelValue = larger ? kLargeLabelValue : kLabelValue;
    sizes.GridHeader = RoundHalfEven(scale * (larger ? 24 : 20) / 3);
    sizes.GridValue = sizes.GridHeader - kGridValueReduction;
    return sizes;
}

} // namespace quenra
