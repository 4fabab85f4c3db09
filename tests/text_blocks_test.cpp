#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/text_blocks.h"

// A delete's keys and values: each copy must stay where it is and whole while
// thousands more are added, texts longer than a block included, and again
// after a clear that reuses the blocks.
TEST(TextBlocks, EveryCopyStaysWholeWhereItIsAsMoreAreAdded) {
    TextBlocks blocks;
    for (int round = 0; round < 2; ++round) {
        std::vector<std::string> texts;
        std::vector<const char*> copies;
        for (int i = 0; i < 30000; ++i) {
            texts.push_back("custom_spawn_" + std::to_string(i + round) + "_x");
            if (i % 5000 == 4999) texts.back() += std::string(70000, 'v');  // a value longer than a block
            if (i % 7 == 0) texts.back().clear();
            copies.push_back(blocks.add(texts.back()));
        }
        for (size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(texts[i], copies[i]) << "text " << i << ", round " << round;
        blocks.clear();
    }
}
