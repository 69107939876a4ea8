#pragma once

#include <QList>
#include <QUrl>
#include <QVector>

#include <random>

// How a list of equivalent locations is tried: in passes, each over every location, with the
// time-out each try of that pass gets, in the listed order or in a random one. Every place that
// tries locations in turn states its rule as one of these.
struct MirrorPolicy
{
    // One time-out (milliseconds, 0: the connection's own) per pass.
    QVector<int> passTimeoutsMs;
    // Whether the order is drawn at random once, so that the load spreads over the locations.
    bool shuffled = false;

    // Every location twice, in order: first with a short time-out, then with a long one, so that a
    // slow but working mirror still gets its turn.
    static MirrorPolicy twoPasses(int firstTimeoutMs, int secondTimeoutMs);
    // Every location once, in order.
    static MirrorPolicy onePass(int timeoutMs);
    // Every location once, in a random order.
    static MirrorPolicy randomOnce();
};

// The tries a policy makes over a list of locations, in order: for (const auto &attempt : MirrorList(...)).
class MirrorList
{
public:
    struct Attempt
    {
        // The location's place in the list as given.
        int index;
        QUrl url;
        int timeoutMs;
    };

    // randomness only for a shuffled policy; null takes a generator seeded from the system.
    MirrorList(const QList<QUrl> &urls, const MirrorPolicy &policy, std::mt19937 *randomness = nullptr);

    // Iterated directly, so that a list made in a range-for lives as long as the loop.
    QVector<Attempt>::const_iterator begin() const { return m_attempts.cbegin(); }
    QVector<Attempt>::const_iterator end() const { return m_attempts.cend(); }

private:
    QVector<Attempt> m_attempts;
};
