#include "shared/text_blocks.h"

#include <cstring>

const char* TextBlocks::add(std::string_view text) {
    char* copy = room(text.size() + 1);
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void TextBlocks::clear() {
    blocksInUse_ = 0;
    usedInLast_ = 0;
    large_.clear();
}

char* TextBlocks::room(size_t bytes) {
    if (bytes > blockBytes) {
        large_.emplace_back(new char[bytes]);
        return large_.back().get();
    }
    if (blocksInUse_ == 0 || usedInLast_ + bytes > blockBytes) {
        if (blocksInUse_ == blocks_.size()) blocks_.emplace_back(new char[blockBytes]);
        ++blocksInUse_;
        usedInLast_ = 0;
    }
    char* at = blocks_[blocksInUse_ - 1].get() + usedInLast_;
    usedInLast_ += bytes;
    return at;
}
