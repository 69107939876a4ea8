// The launcher's settings file, which the player or another program may have edited.
#include "app/jsonsettings.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    JsonSettings settings;
    if (!settings.load(fuzzFile(data, size, QStringLiteral("GD7Launcher.conf"))))
        return 0;
    settings.value(QStringLiteral("gd7.installed_version"));
    settings.value(QStringLiteral("proxy"));
    settings.value(QStringLiteral("language"));
    return 0;
}
