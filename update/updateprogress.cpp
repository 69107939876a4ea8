#include "update/updateprogress.h"

qint64 UpdateProgress::secondsLeft() const
{
    if (rate <= 0 || total < 1 || done > total)
        return -1;
    return (total - done + rate - 1) / rate;
}

bool UpdateProgress::operator==(const UpdateProgress &other) const
{
    return action == other.action && state == other.state && done == other.done && total == other.total &&
           fraction == other.fraction && rate == other.rate;
}
