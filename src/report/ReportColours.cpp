#include "ReportColours.h"

#include "model/ProjectData.h"

namespace quenra {

namespace {

// The record keeps red in the lowest byte; the high byte is no part of the colour.
QColor FromRecord(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace

ReportColours ReportColoursOf(const ProjectData& project) {
    return {FromRecord(project.ReportBackgroundColor), FromRecord(project.TitleBackgroundColor),
            FromRecord(project.FormTextColor), FromRecord(project.UserEntryTextColor)};
}

} // namespace quenra
