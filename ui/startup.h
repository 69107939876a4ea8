#pragma once

class JsonSettings;

// What every run of the launcher does before its action, in this order: the log (in the
// application folder, rotated), the fonts and the style sheet, the system's default language,
// the launcher's product record, the settings file with its stored language, the game's product
// record, and the stored network proxy. Needs the QApplication.
void prepareLauncher(JsonSettings &settings);
