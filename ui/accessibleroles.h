#pragma once

// Tells screen readers what the launcher's own controls are: the header's page buttons are
// links, GAME and NEWS page tabs (with the unread count in NEWS's name), news cards and the
// settings panel's documents links, the footer a status bar, the small dialogs' painted
// headings and status lines text. Install before the first window is built.
void installAccessibleRoles();
