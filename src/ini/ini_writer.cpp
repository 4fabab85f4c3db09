#include "ini/ini_writer.h"

#include <cstdint>
#include <vector>

#include "ini/ini_encoding.h"
#include "ini/ini_lines.h"
#include "ini/ini_reader.h"

using namespace ini;

namespace {

// A piece of the text replaced: [begin, end) by an optional '=' and the
// replacement, which lies in the edits or in the text added.
struct TextEdit {
    size_t begin;
    size_t end;
    bool equalsSign;
    std::string_view replacement;
};

// The edits by their keys' names without case, in an open-addressed table of
// their indices, so that a line's key is looked up without a copy of it.
class EditIndex {
public:
    EditIndex(const ProfileEdit* edits, size_t count) : edits_(edits) {
        size_t size = 16;
        while (size < count * 2) size *= 2;
        mask_ = size - 1;
        slots_.assign(size, empty);
        // A key edited twice takes its last edit.
        for (size_t i = 0; i < count; ++i) slots_[slotOf(nameOf(edits[i].key))] = i;
    }
    // The index of the last edit of a key of this name, or `empty`.
    size_t find(std::string_view name) const { return slots_[slotOf(name)]; }
    static constexpr size_t empty = SIZE_MAX;

private:
    // The slot of the name, or the empty one where it would go.
    size_t slotOf(std::string_view name) const {
        size_t at = profileNameHash(name) & mask_;
        while (slots_[at] != empty && !equalIgnoringCase(nameOf(edits_[slots_[at]].key), name)) at = (at + 1) & mask_;
        return at;
    }

    const ProfileEdit* edits_;
    size_t mask_ = 0;
    std::vector<size_t> slots_;
};

// withProfileEdits on text that is not UTF-16: the lines of the section are
// walked once, the changes noted in text order, then applied in one copy.
std::string editedText(std::string_view text, std::string_view section, const ProfileEdit* edits, size_t count) {
    std::string_view wantedSection = nameOf(section);
    const EditIndex editOf(edits, count);
    std::vector<bool> applied(count, false);
    size_t firstEnd = text.find_first_of("\r\n");
    std::string_view lineEnd = firstEnd == std::string_view::npos ? "\r\n"
                               : text[firstEnd] == '\n'           ? "\n"
                               : text.substr(firstEnd, 2) == "\r\n" ? "\r\n"
                                                                    : "\r";
    std::vector<TextEdit> changes;
    bool inside = false;  // in the first section of that name, which stays the last one seen
    size_t insertAt = 0;  // after the section's header or its last entry line
    for (size_t at = textStart(text); at < text.size();) {
        Line line = lineAt(text, at);
        at = line.next;
        LineContent parts = contentOf(text, line);
        std::string_view content = parts.text;
        if (content.empty()) continue;
        if (parts.header) {
            if (inside) break;
            inside = equalIgnoringCase(parts.name, wantedSection);
            if (inside) insertAt = line.next;
            continue;
        }
        if (!inside) continue;
        if (content.front() != ';') insertAt = line.next;
        if (parts.name.empty()) continue;
        size_t i = editOf.find(parts.name);
        if (i == EditIndex::empty) continue;
        if (edits[i].value.data() == nullptr) {
            // Every occurrence goes, so that the key reads as missing.
            changes.push_back(TextEdit{line.begin, line.next, false, {}});
            continue;
        }
        if (applied[i]) continue;  // a later occurrence, hidden from the reader
        applied[i] = true;
        size_t contentEnd = static_cast<size_t>(content.data() - text.data()) + content.size();
        if (parts.value.data() == nullptr) {
            changes.push_back(TextEdit{contentEnd, contentEnd, true, edits[i].value});
        } else {
            // The value runs from its first non-blank character after '=' to the
            // end of the line's content; an empty value sits right at that end.
            size_t valueBegin = parts.rawValue.empty() ? contentEnd
                                                       : static_cast<size_t>(parts.rawValue.data() - text.data());
            changes.push_back(TextEdit{valueBegin, contentEnd, false, edits[i].value});
        }
    }
    // Keys the section lacks, in the order given.
    std::string added;
    for (size_t i = 0; i < count; ++i) {
        if (applied[i] || edits[i].value.data() == nullptr || editOf.find(nameOf(edits[i].key)) != i) continue;
        added.append(nameOf(edits[i].key)).append("=").append(edits[i].value).append(lineEnd);
    }
    if (!added.empty()) {
        std::string_view lines = text.substr(textStart(text));
        bool lastLineOpen = !lines.empty() && lines.back() != '\n' && lines.back() != '\r';
        // An open last line that goes leaves the new lines last, and open.
        bool openLastLineGoes = lastLineOpen && !changes.empty() && changes.back().end == text.size() &&
                                changes.back().replacement.empty() && !changes.back().equalsSign;
        if (openLastLineGoes) {
            lastLineOpen = false;
            added.resize(added.size() - lineEnd.size());
        }
        if (!inside) {
            insertAt = text.size();
            std::string header = lastLineOpen ? std::string(lineEnd) : std::string();
            header.append("[").append(wantedSection).append("]").append(lineEnd);
            added.insert(0, header);
        } else if (insertAt == text.size() && lastLineOpen) {
            // The new lines follow the open last line: its end moves to the front.
            added.insert(0, lineEnd);
            added.resize(added.size() - lineEnd.size());
        }
        changes.push_back(TextEdit{insertAt, insertAt, false, added});
    }
    size_t size = text.size();
    for (const TextEdit& change : changes)
        size += change.equalsSign + change.replacement.size() - (change.end - change.begin);
    std::string result;
    result.reserve(size);
    size_t copied = 0;
    for (const TextEdit& change : changes) {
        result.append(text.substr(copied, change.begin - copied));
        if (change.equalsSign) result.push_back('=');
        result.append(change.replacement);
        copied = change.end;
    }
    result.append(text.substr(copied));
    return result;
}

}  // namespace

std::string withProfileEdits(std::string_view file, std::string_view section, const ProfileEdit* edits,
                             size_t count) {
    ProfileEncoding encoding = profileEncodingOf(file);
    if (encoding == ProfileEncoding::Bytes) return editedText(file, section, edits, count);
    std::vector<char> text;
    decodeUtf16(file, encoding, &text);
    std::string edited = editedText(std::string_view(text.data(), text.size()), section, edits, count);
    return encodeUtf16(edited, file, encoding);
}

std::string withProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
    const ProfileEdit edit{key, value.data() ? value : std::string_view("")};
    return withProfileEdits(file, section, &edit, 1);
}
