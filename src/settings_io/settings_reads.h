#pragma once
// The store's reads of the settings file as the write job of settings_io
// shares them (settings_write_job.cpp): the read in force, and the spare one
// that a write of ours fills with the text it writes, parsed before the file
// is replaced, so that it takes the place of the read in force in the step of
// the rename, without a parse there.
#include <string>

#include "ini/ini_reader.h"
#include "platform/files.h"

// A text of the settings file with its parsed section and what the read saw
// of the file.
struct SettingsTextRead {
    std::string text;
    ProfileSection section;
    FileStamp stamp;
};

// The read in force when it holds the file of that stamp as it is, with no
// held change made to it; nullptr else.
const SettingsTextRead* settingsReadInForceFor(const FileStamp& stamp);
// The spare read, the store's own reads left alone until it comes back: they
// keep the text in force meanwhile (a read of the store in progress is
// dropped, and made again at the next check).
SettingsTextRead& lendSpareSettingsRead();
// The spare read back: with inForce, it holds the file as our write left it,
// fully parsed, and takes the place of the read in force (our own write is
// not taken for a save of the player's).
void returnSpareSettingsRead(bool inForce);
// The file's text is the text in force without the held changes made to it.
bool settingsTextIsInForce(const std::string& fileText);
// The file as we wrote it, from a text that was not the read in force with
// held changes: taken as the text in force when the write was based on it,
// parsed whole (the held changes are made to it again).
void takeOwnWriteWhole(std::string* written);
