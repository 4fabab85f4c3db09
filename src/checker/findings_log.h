#pragma once
// What a settings read found wrong, for Pelorin.log. The file is re-read every
// second, so findings are logged when they first appear and again only once
// they have changed.
#include <cstddef>
#include <string_view>

#include "ini/ini_reader.h"

// Parses a settings text that differs from the last one into section, and
// checks it in the same walk, in steps of about budget bytes (see
// ProfileParse); the text and section must stay alive until a step returns
// true. Then the checker's warnings and errors are logged, each in full on a
// line of its own (the first ones by line, and how many more there are).
void startSettingsParse(std::string_view text, ProfileSection* section);
bool continueSettingsParse(size_t budget);
// The walk of the parse is done: the next step checks the values (a step
// that takes as long as a good part of the walk, best begun in a frame of its own).
bool settingsValuesCheckDue();
// The warnings and errors the last completed check found (0 before any): the
// problems the notice of a save counts.
int settingsProblemCount();
// A read that found no file (fileExists false), or one it could not read;
// returns false, the result of such a read.
bool logSettingsReadFailure(bool fileExists);
// Forgets the findings logged last, as at library load.
void forgetSettingsProblems();
