// Start-up and exit of the main window: read or write the settings file
// (catalog/settings_file.h) in the working directory with the place, the display options and
// Settings(), reporting a failure in a message box through AppDialogs().
#pragma once

bool LoadSettingsAtStartup();
bool SaveSettingsAtExit();
