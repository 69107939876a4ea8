#pragma once

#include "app/failurereason.h"

#include <QMetaType>
#include <QObject>

// How an update check ended: the result code the update's behaviour defines and, for a failure,
// its reason. The codes' integer values are what updateFinish carries and the log shows; number()
// is the one place they become integers.
struct UpdateResult
{
    Q_GADGET
public:
    enum class Code {
        // At least one game content was installed (or, for a self-update, the copier started).
        Updated = 0,
        UpToDate = 1,
        InfoQueryFailed = 2,
        InfoNotValid = 3,
        InfoNotFound = 4,
        ContentNotFound = 5,
        DownloadFailed = 6,
        UnpackFailed = 7,
        FailedToStart = 8,
        PatchFailed = 9,
        Unknown = 10,
    };
    Q_ENUM(Code)

    UpdateResult() = default;
    // Implicit, so that a step returns a bare code where there is no reason to tell.
    UpdateResult(Code code, const FailureReason &reason = FailureReason()) : code(code), reason(reason) {}

    // Updated or up to date: the game can be played.
    bool succeeded() const { return code == Code::Updated || code == Code::UpToDate; }
    int number() const { return int(code); }
    bool operator==(const UpdateResult &other) const { return code == other.code && reason == other.reason; }
    bool operator!=(const UpdateResult &other) const { return !(*this == other); }

    Code code = Code::Unknown;
    FailureReason reason;
};

Q_DECLARE_METATYPE(UpdateResult)
