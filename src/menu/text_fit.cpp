#include "menu/text_fit.h"

#include <cstring>

#include "host/natives/graphics_natives.h"
#include "shared/on_screen_text.h"

namespace {

constexpr const char* ellipsis = "\u2026";
constexpr size_t ellipsisBytes = 3;

bool sameFont(TextFont a, TextFont b) { return a.font == b.font && a.size == b.size; }

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The game's answer: three native calls besides the components.
float measureNow(const char* text, TextFont font) {
    setTextFont(font.font);
    setTextScale(font.size, font.size);
    beginTextCommandGetScreenWidthOfDisplayText("STRING");
    addLongTextComponent(text);
    return endTextCommandGetScreenWidthOfDisplayText(true);
}

// The widths the game gave, of whole texts and of the cuts tried while
// fitting one, the least recently used making way: enough for every text of
// a page and its descriptions, so that moving through a page again asks the
// game nothing.
struct KnownWidth {
    char text[fittedTextBytes];
    uint32_t hash;
    TextFont font;
    float width;
    uint32_t used;  // 0: free
};
constexpr int knownWidthCount = 256;
KnownWidth knownWidths[knownWidthCount];
uint32_t useCount = 0;

uint32_t hashOf(const char* text) {
    uint32_t hash = 2166136261u;  // FNV-1a
    for (; *text != '\0'; ++text) hash = (hash ^ static_cast<unsigned char>(*text)) * 16777619u;
    return hash;
}

float measure(const char* text, TextFont font) {
    if (std::strlen(text) >= fittedTextBytes) return measureNow(text, font);
    uint32_t hash = hashOf(text);
    KnownWidth* oldest = &knownWidths[0];
    for (KnownWidth& known : knownWidths) {
        if (known.used != 0 && known.hash == hash && sameFont(known.font, font) && std::strcmp(known.text, text) == 0) {
            known.used = ++useCount;
            return known.width;
        }
        if (known.used < oldest->used) oldest = &known;
    }
    std::strcpy(oldest->text, text);
    oldest->hash = hash;
    oldest->font = font;
    oldest->width = measureNow(text, font);
    oldest->used = ++useCount;
    return oldest->width;
}

// Copies at most size - 1 bytes of text, ending before a cut character.
void copyWhole(char* out, size_t size, const char* text, size_t length) {
    if (length >= size) {
        length = size - 1;
        while (length > 0 && isContinuation(text[length])) --length;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
}

// The offsets at which the text's characters begin, and its length: at most
// `most` of them.
int characterStarts(const char* text, size_t length, size_t* starts, int most) {
    int count = 0;
    for (size_t i = 0; i < length && count < most; ++i)
        if (!isContinuation(text[i])) starts[count++] = i;
    return count;
}

// The largest index from low to high whose candidate (made into candidate by
// make(index)) fits the room, widths growing with the index; -1 when none
// does, else its width in *width. The candidate is left as last made.
template <typename Make>
int largestFitting(int low, int high, float room, TextFont font, const char* candidate, Make make, float* width) {
    int best = -1;
    while (low <= high) {
        int middle = low + (high - low) / 2;
        make(middle);
        float measured = measure(candidate, font);
        if (measured <= room) {
            best = middle;
            *width = measured;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

// As much of text[0, length) as fits the room with "…" at its end (or start),
// in out: the largest count of characters kept whose cut text fits.
float cutToRoom(const char* text, size_t length, float room, TextFont font, bool cutFront, char* out, size_t size) {
    size_t starts[wrappedTextBytes];
    int characters = characterStarts(text, length, starts, static_cast<int>(wrappedTextBytes));
    size_t budget = size - 1 - ellipsisBytes;
    auto make = [&](int kept) {
        if (cutFront) {
            size_t from = kept == 0 ? length : starts[characters - kept];
            size_t bytes = length - from < budget ? length - from : budget;
            std::memcpy(out, ellipsis, ellipsisBytes);
            std::memcpy(out + ellipsisBytes, text + length - bytes, bytes);
            out[ellipsisBytes + bytes] = '\0';
        } else {
            size_t bytes = starts[kept] < budget ? starts[kept] : budget;
            std::memcpy(out, text, bytes);
            std::memcpy(out + bytes, ellipsis, ellipsisBytes + 1);
        }
    };
    // Fewer characters than the whole text: it did not fit.
    float bestWidth = 0;
    int best = largestFitting(0, characters - 1, room, font, out, make, &bestWidth);
    if (best < 0) {  // not even the ellipsis alone
        out[0] = '\0';
        return 0;
    }
    make(best);
    return bestWidth;
}

}  // namespace

float textWidth(const char* text, TextFont font) { return measure(text, font); }

void forgetTextWidths() {
    for (KnownWidth& known : knownWidths) known.used = 0;
}

const FittedText& fitText(FittedText& slot, const char* text, float room, TextFont font, bool cutFront) {
    if (slot.known && slot.room == room && sameFont(slot.font, font) && slot.cutFront == cutFront &&
        std::strcmp(slot.source, text) == 0)
        return slot;
    copyWhole(slot.source, sizeof slot.source, text, std::strlen(text));
    slot.room = room;
    slot.font = font;
    slot.cutFront = cutFront;
    slot.known = true;
    slot.width = textWidth(slot.source, font);
    if (slot.width <= room) {
        std::strcpy(slot.shown, slot.source);
        return slot;
    }
    slot.width = cutToRoom(slot.source, std::strlen(slot.source), room, font, cutFront, slot.shown, sizeof slot.shown);
    return slot;
}

const WrappedText& wrapText(WrappedText& slot, const char* text, float room, TextFont font) {
    if (slot.known && slot.room == room && sameFont(slot.font, font) && std::strcmp(slot.source, text) == 0)
        return slot;
    copyWhole(slot.source, sizeof slot.source, text, std::strlen(text));
    slot.room = room;
    slot.font = font;
    slot.known = true;
    const char* source = slot.source;
    size_t length = std::strlen(source);
    slot.lineCount = length == 0 ? 0 : 1;
    if (length == 0 || textWidth(source, font) <= room) {
        std::strcpy(slot.lines[0], source);
        return slot;
    }
    // The first line: the longest run of whole words that fits, found among
    // the breaks after a space; without one that fills half the line (a path),
    // the most characters that fit.
    size_t breaks[wrappedTextBytes];
    int breakCount = 0;
    for (size_t i = 1; i < length; ++i)
        if (source[i] == ' ' && source[i - 1] != ' ') breaks[breakCount++] = i;
    char* first = slot.lines[0];
    float fitsWidth = 0;
    int fits = largestFitting(0, breakCount - 1, room, font, first,
                              [&](int i) { copyWhole(first, wrappedTextBytes, source, breaks[i]); }, &fitsWidth);
    size_t end;
    if (fits >= 0 && fitsWidth >= room / 2) {
        end = breaks[fits];
    } else {
        size_t starts[wrappedTextBytes];
        int characters = characterStarts(source, length, starts, static_cast<int>(wrappedTextBytes));
        float mostWidth = 0;
        int most = largestFitting(1, characters - 1, room, font, first,
                                  [&](int i) { copyWhole(first, wrappedTextBytes, source, starts[i]); }, &mostWidth);
        if (most < 0) most = 1;  // one character at least, however wide
        end = most < characters ? starts[most] : length;
    }
    copyWhole(first, wrappedTextBytes, source, end);
    const char* rest = source + end;
    while (*rest == ' ') ++rest;
    slot.lineCount = *rest == '\0' ? 1 : 2;
    if (slot.lineCount == 2) {
        size_t restLength = std::strlen(rest);
        if (textWidth(rest, font) <= room)
            copyWhole(slot.lines[1], wrappedTextBytes, rest, restLength);
        else
            cutToRoom(rest, restLength, room, font, false, slot.lines[1], wrappedTextBytes);
    }
    return slot;
}

void forget(FittedText& slot) { slot.known = false; }
void forget(WrappedText& slot) { slot.known = false; }
