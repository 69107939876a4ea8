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

// Also asks for a stop once it has seen a number of reports.
template<typename Interface> class StoppingProgress : public RecordedProgress<Interface>
{
public:
    explicit StoppingProgress(size_t stopAfter) : m_stopAfter(stopAfter) {}
    bool stopRequested() const override { return this->reports.size() >= m_stopAfter; }

private:
    size_t m_stopAfter;
};
