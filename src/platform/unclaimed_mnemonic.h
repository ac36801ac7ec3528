// An Alt+letter that no control claims: the platform's dialogs beep and type nothing, while
// Qt's edit fields would insert the letter. One filter on the application keeps them apart.
#pragma once

// Installs the filter on the application; once per process is enough.
void InstallUnclaimedMnemonicFilter();
