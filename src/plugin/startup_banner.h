#pragma once
// The start-up banner: "Pelorin <version> loaded", with the count of problems
// the check of the settings file found; a word when the file is not there (or
// is there under another name); and, for a file of an older Pelorin, once,
// what is new and how to open the menu.

void showStartupBanner();
