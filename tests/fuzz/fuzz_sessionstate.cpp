// A damaged "Session.conf" must never keep a torrent session from starting.
#include "net/torrentsession.h"
#include "tests/fuzz/fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString state = fuzzFile(data, size, QStringLiteral("Session.conf"));
    TorrentSession::Config config;
    config.reach = TorrentSession::Reach::WebSeedsOnly;
    if (!TorrentSession::create(config, state))
        std::abort();
    return 0;
}
