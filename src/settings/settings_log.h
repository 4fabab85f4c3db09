#pragma once
// What a settings read found wrong, for Pelorin.log. The file is re-read every
// second, so findings are logged when they first appear and again only once
// they have changed.
#include <string_view>

// The settings checker's warnings and errors for a text just read and parsed,
// each in full on a line of its own.
void logSettingsReadFindings(std::string_view text);
// A read that found no file, or one it could not read; returns false, the
// result of such a read.
bool logSettingsReadFailure();
// Forgets the findings logged last, as at library load.
void forgetSettingsProblems();
