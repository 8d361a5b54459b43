#pragma once

// Loads Qt's own Japanese texts (standard buttons, file and colour dialogs) for
// the rest of the run. Without the translation installed Qt stays in English.
// Returns whether it was found.
bool installQtJapanese();
