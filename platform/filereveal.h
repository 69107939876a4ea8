#pragma once

#include <QString>

// Shows the player a file the launcher has just made (the diagnostics archive): selected in the
// file manager where the desktop offers that, else its folder opened in the desktop's default
// program for folders.
namespace platform {

enum class RevealResult {
    Refused,      // not an existing local file or folder: nothing was started
    Selected,     // the file manager was asked to show the item selected
    FolderOpened, // the containing folder (or the folder itself) was handed to the desktop
    Failed,       // nobody took the request
};

RevealResult revealFile(const QString &path);

// The system's part of revealFile, for an existing file or folder named by its canonical path.
RevealResult revealExisting(const QString &canonical, bool isFolder);

} // namespace platform
