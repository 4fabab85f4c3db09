#pragma once
// The settings file as an editor leaves it at this moment of the simulated
// game: its write time set to the files' clock now (platform/file_age.h), so
// that it is a save made a moment ago until the game's clock runs on.
namespace testing_support {

void stampSettingsFileSavedNow();

}  // namespace testing_support
