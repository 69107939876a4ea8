#pragma once

#include <QtGlobal>

#include <utility>
#include <vector>

using Report = std::pair<qint64, qint64>;

// Keeps every progress report of one of the patching progress interfaces, all of which report two
// numbers.
template<typename Interface> class RecordedProgress : public Interface
{
public:
    void progress(qint64 first, qint64 second) override { reports.emplace_back(first, second); }
    std::vector<Report> reports;
};
