#include "net/mirrorlist.h"

#include <algorithm>
#include <numeric>

MirrorPolicy MirrorPolicy::twoPasses(int firstTimeoutMs, int secondTimeoutMs)
{
    return MirrorPolicy{{firstTimeoutMs, secondTimeoutMs}, false};
}

MirrorPolicy MirrorPolicy::onePass(int timeoutMs)
{
    return MirrorPolicy{{timeoutMs}, false};
}

MirrorPolicy MirrorPolicy::randomOnce()
{
    return MirrorPolicy{{0}, true};
}

MirrorList::MirrorList(const QList<QUrl> &urls, const MirrorPolicy &policy, std::mt19937 *randomness)
{
    std::vector<int> order(size_t(urls.size()));
    std::iota(order.begin(), order.end(), 0);
    if (policy.shuffled && order.size() > 1) {
        std::mt19937 ownRandomness{std::random_device{}()};
        std::shuffle(order.begin(), order.end(), randomness ? *randomness : ownRandomness);
    }
    for (int timeout : policy.passTimeoutsMs) {
        for (int index : order)
            m_attempts.append(Attempt{index, urls.at(index), timeout});
    }
}
