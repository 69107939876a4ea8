// The path check of a recovery torrent fetched from a mirror.
#include "patch/torrentpaths.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    torrentPathsStayInside(fuzzBytes(data, size));
    return 0;
}
