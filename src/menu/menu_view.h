#pragma once
// One frame of the open menu as it is drawn: the page's title, the visible
// lines with their values, the selected line in full below them and the line
// of help. Filled in place every frame (fixed buffers, no allocation).
#include <cstddef>

constexpr int menuVisibleLines = 12;

struct MenuLine {
    char label[128];
    char value[48];
    bool dimmed;      // not available at the moment
    bool changeable;  // left and right change the value: drawn between ◄ and ►
    bool cutFront;    // a path: cut to fit, it loses its start rather than its end
};

struct MenuView {
    const char* pageTitle;
    // "3/17" among the page's list when the page scrolls ("–/17" while an
    // action above the list is selected); else empty.
    char position[24];
    MenuLine lines[menuVisibleLines];
    int lineCount;  // lines filled, at most menuVisibleLines
    int selected;   // among the filled lines
    bool hiddenAbove, hiddenBelow;  // lines of the page out of sight (▲, ▼)
    char description[400];  // the selected line in full, and what it is
    char help[160];
    bool notice;  // the help line holds a notice rather than help
};
