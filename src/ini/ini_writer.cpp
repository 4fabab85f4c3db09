#include "ini/ini_writer.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "ini/ini_encoding.h"
#include "ini/ini_lines.h"
#include "ini/ini_reader.h"

using namespace ini;

namespace {

// A piece of the text replaced: [begin, end) by the replacement.
struct TextEdit {
    size_t begin;
    size_t end;
    std::string replacement;
};

// withProfileEdits on text that is not UTF-16: the lines of the section are
// walked once, the changes noted in text order, then applied in one copy.
std::string editedText(std::string_view text, std::string_view section, const ProfileEdit* edits, size_t count) {
    std::string_view wantedSection = nameOf(section);
    // Each key's last edit, found by its name without case.
    std::vector<std::string> names(count);
    std::unordered_map<std::string, size_t> editOf;
    for (size_t i = 0; i < count; ++i) {
        names[i] = nameOf(edits[i].key);
        std::transform(names[i].begin(), names[i].end(), names[i].begin(), lowerAscii);
        editOf[names[i]] = i;
    }
    std::vector<bool> applied(count, false);
    size_t firstEnd = text.find_first_of("\r\n");
    std::string_view lineEnd = firstEnd == std::string_view::npos ? "\r\n"
                               : text[firstEnd] == '\n'           ? "\n"
                               : text.substr(firstEnd, 2) == "\r\n" ? "\r\n"
                                                                    : "\r";
    std::vector<TextEdit> changes;
    std::string lowered;
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
        lowered.assign(parts.name);
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAscii);
        auto found = editOf.find(lowered);
        if (found == editOf.end()) continue;
        size_t i = found->second;
        if (edits[i].value.data() == nullptr) {
            // Every occurrence goes, so that the key reads as missing.
            changes.push_back(TextEdit{line.begin, line.next, {}});
            continue;
        }
        if (applied[i]) continue;  // a later occurrence, hidden from the reader
        applied[i] = true;
        size_t contentEnd = static_cast<size_t>(content.data() - text.data()) + content.size();
        if (parts.value.data() == nullptr) {
            changes.push_back(TextEdit{contentEnd, contentEnd, std::string("=").append(edits[i].value)});
        } else {
            // The value runs from its first non-blank character after '=' to the
            // end of the line's content; an empty value sits right at that end.
            size_t valueBegin = parts.rawValue.empty() ? contentEnd
                                                       : static_cast<size_t>(parts.rawValue.data() - text.data());
            changes.push_back(TextEdit{valueBegin, contentEnd, std::string(edits[i].value)});
        }
    }
    // Keys the section lacks, in the order given.
    std::string added;
    for (size_t i = 0; i < count; ++i) {
        if (applied[i] || edits[i].value.data() == nullptr || editOf[names[i]] != i) continue;
        added.append(nameOf(edits[i].key)).append("=").append(edits[i].value).append(lineEnd);
    }
    if (!added.empty()) {
        std::string_view lines = text.substr(textStart(text));
        bool lastLineOpen = !lines.empty() && lines.back() != '\n' && lines.back() != '\r';
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
        changes.push_back(TextEdit{insertAt, insertAt, added});
    }
    std::string result;
    result.reserve(text.size() + added.size());
    size_t copied = 0;
    for (const TextEdit& change : changes) {
        result.append(text.substr(copied, change.begin - copied)).append(change.replacement);
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
