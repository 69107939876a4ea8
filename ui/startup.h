#pragma once

class JsonSettings;

// What the process settles before its QApplication exists: the window sizes the launcher sets
// itself per screen, and painting without OpenGL.
void prepareApplication();

// What every run of the launcher does before its action, in this order: the log (in the
// application folder, rotated), the fonts and the style sheet, the system's default language,
// the launcher's product record, the settings file with its stored language, the game's product
// record, and the stored network proxy and download speed limit. Needs the QApplication.
void prepareLauncher(JsonSettings &settings);
