#pragma once
// Texts made to fit the menu's boxes by the widths the game gives them. The
// game measures a text by the width natives; asking costs some native calls,
// so each distinct text is measured once and its width kept in a fixed table,
// and a line cut or wrapped is kept with its source and room and made again
// only when they change.
#include <cstddef>
#include <cstdint>

struct TextFont {
    int32_t font;
    float size;
};

// The width of the text in the font, as a fraction of the screen's width.
float textWidth(const char* text, TextFont font);
// The screen changed its shape: the widths known are wrong.
void forgetTextWidths();

constexpr size_t fittedTextBytes = 192;

// A text in one line of the room: whole when it fits, else cut with "…" at
// its end (or, for a path, at its start), never inside a UTF-8 character.
struct FittedText {
    char source[fittedTextBytes];
    float room;
    TextFont font;
    bool cutFront;
    bool known;
    char shown[fittedTextBytes];
    float width;  // of shown
};
const FittedText& fitText(FittedText& slot, const char* text, float room, TextFont font, bool cutFront = false);

// A text in at most two lines of the room, broken after a space where one
// fits (else between characters); the second line ends in "…" when the rest
// does not fit it.
constexpr size_t wrappedTextBytes = 400;
struct WrappedText {
    char source[wrappedTextBytes];
    float room;
    TextFont font;
    bool known;
    char lines[2][wrappedTextBytes];
    int lineCount;  // 0 for an empty text
};
const WrappedText& wrapText(WrappedText& slot, const char* text, float room, TextFont font);

// Forgets what the slots hold (the widths they were made with are wrong).
void forget(FittedText& slot);
void forget(WrappedText& slot);
