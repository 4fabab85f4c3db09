#pragma once
// What a settings read found wrong, for Pelorin.log. The file is re-read every
// second, so findings are logged when they first appear and again only once
// they have changed.
#include <cstdint>
#include <string_view>


// The findings of one read: how many, and the first of them in words. A count
// of 0 forgets the last findings, so that a problem that comes back is logged
// again.
void logSettingsProblems(int32_t count, const char* firstMessage);
// The settings checker's warnings and errors for a text just read and parsed.
void logSettingsReadFindings(std::string_view text);
// A read that found no file, or one it could not read; returns false, the
// result of such a read.
bool logSettingsReadFailure();
