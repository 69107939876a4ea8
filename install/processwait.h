#pragma once

namespace install {

// How long a hand-over waits for the process that started it to end, each time it waits.
constexpr int processWaitMs = 30000;

} // namespace install
