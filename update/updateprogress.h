#pragma once

#include <QMetaType>
#include <QObject>

// One progress report of the update as plain values; the window chooses the words. The action
// codes' integer values are those of updateProgress's action argument.
struct UpdateProgress
{
    Q_GADGET
public:
    enum class Action {
        None = 0,
        CheckingUpdates = 1,
        // The torrent verifying the files it already has.
        CheckingFiles = 2,
        Downloading = 3,
        Unpacking = 4,
        // Applying patches.
        Installing = 5,
    };
    Q_ENUM(Action)
    enum class State {
        Running,
        // The player paused the download.
        Paused,
    };
    Q_ENUM(State)

    // Seconds until done at the current rate, rounded up; -1 while the rate or the total is unknown.
    qint64 secondsLeft() const;
    bool operator==(const UpdateProgress &other) const;
    bool operator!=(const UpdateProgress &other) const { return !(*this == other); }

    Action action = Action::None;
    State state = State::Running;
    // Bytes (or units) done of total; total is 0 while unknown.
    qint64 done = 0;
    qint64 total = 0;
    // How far the step is, 0..1: done / total, or what the torrent reports while it checks its files.
    float fraction = 0.0f;
    // Bytes per second; may be negative for one report when a new step restarts the count.
    qint64 rate = 0;
};

Q_DECLARE_METATYPE(UpdateProgress)
