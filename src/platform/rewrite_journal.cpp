#include "platform/rewrite_journal.h"

#include <algorithm>

namespace {

constexpr std::string_view journalHeading = "Pelorin rewrite journal\n";

// A decimal size of the journal's second line; false unless it is all digits.
bool readSize(std::string_view digits, size_t* size) {
    if (digits.empty() || digits.size() > 18) return false;
    size_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<size_t>(c - '0');
    }
    *size = value;
    return true;
}

}  // namespace

std::string journalText(std::string_view oldText, std::string_view newText) {
    std::string journal(journalHeading);
    journal.append(std::to_string(oldText.size())).append(" ").append(std::to_string(newText.size())).append("\n");
    journal.append(oldText).append(newText);
    return journal;
}

bool readJournal(std::string_view journal, std::string_view* oldText, std::string_view* newText) {
    if (journal.substr(0, journalHeading.size()) != journalHeading) return false;
    std::string_view rest = journal.substr(journalHeading.size());
    size_t space = rest.find(' ');
    size_t lineEnd = rest.find('\n');
    size_t oldSize = 0, newSize = 0;
    if (space == std::string_view::npos || lineEnd == std::string_view::npos || space > lineEnd ||
        !readSize(rest.substr(0, space), &oldSize) || !readSize(rest.substr(space + 1, lineEnd - space - 1), &newSize))
        return false;
    std::string_view texts = rest.substr(lineEnd + 1);
    if (texts.size() != oldSize + newSize) return false;
    *oldText = texts.substr(0, oldSize);
    *newText = texts.substr(oldSize);
    return true;
}

bool isHalfRewritten(std::string_view file, std::string_view oldText, std::string_view newText) {
    if (file == oldText || file == newText) return false;
    if (file.size() < std::min(oldText.size(), newText.size()) || file.size() > std::max(oldText.size(), newText.size()))
        return false;
    for (size_t i = 0; i < file.size(); ++i) {
        bool fromOld = i < oldText.size() ? file[i] == oldText[i] : file[i] == '\0';
        bool fromNew = i < newText.size() && file[i] == newText[i];
        if (!fromOld && !fromNew) return false;
    }
    return true;
}
