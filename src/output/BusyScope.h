#pragma once

namespace quenra {

// Marks a renderer busy for the length of one run, so that a run asked for meanwhile (a repaint
// while a question is on the screen) can see it and do nothing.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace quenra
