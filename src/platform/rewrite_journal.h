#pragma once
// The journal of a rewrite in place (files.h): a file beside the rewritten one
// holding its old and new texts, flushed to disk before the first byte of the
// file changes, so that a crash in the middle of the rewrite can be undone.
// The same on every platform; the platform files do the reading and writing.
#include <string>
#include <string_view>

// Our files beside the settings file: the journal, and the temporary file of
// a replace by rename (followed, on Linux, by a unique ending).
constexpr const char* rewriteJournalSuffix = ".pelorin-journal";
constexpr const char* temporaryFileSuffix = ".pelorin-new";

std::string journalText(std::string_view oldText, std::string_view newText);
// The two texts of a journal; false for a journal that is not whole (a crash
// while it was written, before the rewrite began).
bool readJournal(std::string_view journal, std::string_view* oldText, std::string_view* newText);
// The file holds what a rewrite that stopped midway leaves, and neither text
// whole: each byte is the old or the new text's byte at its place (or, past
// the old text's end, a NUL of an extension whose data never reached the
// disk), its length between the two texts' lengths.
bool isHalfRewritten(std::string_view file, std::string_view oldText, std::string_view newText);
