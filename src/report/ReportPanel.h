#pragma once

namespace quenra {

// The report's sections, named as the panels of the layout form.
enum class PanelId {
    Panel1,  // client
    Panel23, // water supply (hydrant tests)
    Panel28, // demand points and combined curves
    Panel25, // comments
    Panel3,  // fire pump and driver data
    Panel5,  // fire pump test data
    Panel7,  // fire pump performance
    Panel11, // electric motor performance
    Panel17, // transfer switch test
    Panel19, // transfer switch results
    Panel13, // controller acceptance tests
    Panel15, // pressure settings
    Panel27, // disclaimer
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
