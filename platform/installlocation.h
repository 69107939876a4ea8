#pragma once

#include <QString>

namespace platform {

// The folder a fresh installation proposes to put "Games/GD7_EN" under: the system volume's
// root on Windows; the player's home on Linux, where the root is not the player's to write.
QString defaultInstallBase();

} // namespace platform
