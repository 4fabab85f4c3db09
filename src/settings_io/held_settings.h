#pragma once
// Changes the settings file could not take (read-only or locked): they stand in
// for the file's values at every read of the settings until the game closes,
// or until the player saves the file himself, whose save then decides.
#include <string>

#include "settings_io/settings_file.h"

void holdSettings(const SettingsValue* values, size_t count);
// The keys were written to the file after all: their held values go.
void releaseHeldSettings(const SettingsValue* values, size_t count);
void dropHeldSettings();
bool anySettingsHeld();
// The file's text with the held changes made to it.
void applyHeldSettings(const char* section, std::string* text);
