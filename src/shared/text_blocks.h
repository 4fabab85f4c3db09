#pragma once
// Copies of texts, each ended by a NUL, in blocks of a fixed size: a copy
// stays where it is while the blocks last, and adding one never moves the
// others, so that many texts (30,000 keys of a delete) grow without a copy of
// them all. clear() keeps the blocks for the next use.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class TextBlocks {
public:
    const char* add(std::string_view text);
    void clear();

private:
    static constexpr size_t blockBytes = 64 * 1024;
    char* room(size_t bytes);
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t blocksInUse_ = 0;
    size_t usedInLast_ = 0;
    std::vector<std::unique_ptr<char[]>> large_;  // texts longer than a block, one each
};
