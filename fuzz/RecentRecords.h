#pragma once

#include "model/ProjectData.h"

#include <QByteArray>
#include <QHash>

#include <cstdio>

namespace quenra::fuzz {

// The records a fuzzer has already taken through the pages, found again by their saved bytes.
// Everything after the reader is a function of the record alone, so a record met again would
// run the same code to the same pages. Half or more of all mutations give a record met before
// (a change in bytes the readers pass over or read to the same value) and need no second
// drawing. A record counts as met only when it equals the remembered one member by member, not
// merely when it saves to the same bytes. The memory is bounded: when full it starts afresh.
class RecentRecords {
public:
    explicit RecentRecords(qsizetype capacity) : capacity_(capacity) {}

    RecentRecords(const RecentRecords&) = delete;
    RecentRecords& operator=(const RecentRecords&) = delete;

    // The counts of a run, so that its inputs per second can be read as records per second.
    ~RecentRecords() {
        std::fprintf(stderr, "records: %lld new, %lld met before\n", static_cast<long long>(taken_),
                     static_cast<long long>(metAgain_));
    }

    // True when an equal record saving to `saved` was taken before; otherwise remembers it.
    bool MetBefore(const QByteArray& saved, const ProjectData& project) {
        const auto found = records_.constFind(saved);
        if (found != records_.cend() && found.value() == project) {
            ++metAgain_;
            return true;
        }
        if (records_.size() >= capacity_) {
            records_.clear();
        }
        records_.insert(saved, project);
        ++taken_;
        return false;
    }

private:
    qsizetype capacity_;
    QHash<QByteArray, ProjectData> records_;
    qint64 taken_ = 0;
    qint64 metAgain_ = 0;
};

} // namespace quenra::fuzz
