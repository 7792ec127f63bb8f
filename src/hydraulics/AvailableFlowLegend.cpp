#include "AvailableFlowLegend.h"

namespace quenra {

void AddAvailableFlowLines(LegendContent& legend, const ProjectData& project,
                           double ratingPressurePsi) {
    for (LegendEntry& entry : legend.Entries) {
        if (entry.Kind != LegendEntryKind::HydrantTest)
            continue;
        const AvailableFlow available = AvailableFlowOf(project, entry.Number, ratingPressurePsi);
        LegendLine line{AvailableFlowSentence(available, project.UnitSystem), -1, std::nullopt};
        if (available.Computable)
            line.Swatch = NfpaClassColour(available.Class);
        entry.Lines << line;
        const QString note = AvailableFlowNote(available);
        if (!note.isEmpty())
            entry.Lines << LegendLine{note, -1, std::nullopt};
    }
}

} // namespace quenra
