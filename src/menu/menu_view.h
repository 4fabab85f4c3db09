#pragma once
// One frame of the open menu as it is drawn: the page's title, the visible
// lines with their values, the selected line and the line of help. Filled in
// place every frame (fixed buffers, no allocation).
#include <cstddef>

constexpr int menuVisibleLines = 12;

struct MenuLine {
    char label[72];
    char value[48];
    bool dimmed;  // not available at the moment
};

struct MenuView {
    const char* pageTitle;
    char position[24];  // "3/20" when the page scrolls, else empty
    MenuLine lines[menuVisibleLines];
    int lineCount;      // lines filled, at most menuVisibleLines
    int selected;       // among the filled lines
    char help[112];
    bool notice;        // the help line holds a notice rather than help
};
