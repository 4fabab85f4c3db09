#pragma once
// The menu's pages as pictures: the menu is driven with keys in the simulated
// game and each page's last frame written as an SVG file into a folder.
#include <string>

// In the current directory (the game directory, whose Pelorin.ini is used);
// 0 when every picture was written.
int writeMenuPictures(const std::string& folder);
