#pragma once

#include <QString>

namespace quenra {

struct ProjectData;

// The name the inspector knows a text field of the record by ("Client", "Pump Test 2
// Readings"), given the field's address inside `project`. A field that is not a text field
// of the record gets an empty name.
QString FieldLabel(const ProjectData& project, const QString* field);

} // namespace quenra
