#include "ini/ini_writer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ini/ini_encoding.h"
#include "ini/ini_lines.h"
#include "ini/ini_reader.h"

using namespace ini;

namespace {

constexpr size_t noEdit = SIZE_MAX;
constexpr size_t bytesPerEdit = 16;

std::string_view lineEndOf(std::string_view text) {
    size_t firstEnd = text.find_first_of("\r\n");
    return firstEnd == std::string_view::npos           ? "\r\n"
           : text[firstEnd] == '\n'                     ? "\n"
           : text.substr(firstEnd, 2) == "\r\n"          ? "\r\n"
                                                          : "\r";
}

}  // namespace

void ProfileEditor::start(std::string_view file, std::string_view section, const ProfileEdit* edits, size_t count,
                          std::string* out) {
    file_ = file;
    encoding_ = profileEncodingOf(file);
    result_ = out;
    text_ = file;
    if (encoding_ != ProfileEncoding::Bytes) {
        decodeUtf16(file, encoding_, &decoded_);
        text_ = std::string_view(decoded_.data(), decoded_.size());
        edited_.clear();
        result_ = &edited_;
    }
    out_ = out;
    out_->clear();
    result_->clear();
    // Room for the text with every edit a new line of its own (and a section
    // line), so that the result never grows by a copy of itself: a large
    // file's copy holds up a frame for milliseconds under Wine.
    size_t room = text_.size() + section.size() + 8;
    for (size_t i = 0; i < count; ++i) room += edits[i].key.size() + edits[i].value.size() + 3;
    result_->reserve(room);
    section_ = nameOf(section);
    edits_ = edits;
    count_ = count;
    size_t size = 16;
    while (size < count * 2) size *= 2;
    mask_ = size - 1;
    // Filled in the steps: the first fill of a large index touches fresh pages.
    slots_.clear();
    slots_.reserve(size);
    applied_.assign(count, false);
    lineEnd_ = lineEndOf(text_);
    added_.clear();
    at_ = 0;
    copied_ = 0;
    insertAt_ = 0;
    inside_ = false;
    addedCopied_ = false;
    lastChangeEmptiedEnd_ = false;
    phase_ = Phase::Indexing;
}

// The slot of the name (compared without case), or the empty one where it would go.
size_t ProfileEditor::slotOf(std::string_view name) const {
    size_t at = profileNameHash(name) & mask_;
    while (slots_[at] != noEdit && !equalIgnoringCase(nameOf(edits_[slots_[at]].key), name)) at = (at + 1) & mask_;
    return at;
}

void ProfileEditor::copyThrough(size_t end) {
    result_->append(text_.substr(copied_, end - copied_));
    copied_ = end;
}

void ProfileEditor::copyUpTo(size_t end, size_t* budget) {
    if (end <= copied_) return;
    size_t slice = std::min(end - copied_, *budget);
    result_->append(text_.substr(copied_, slice));
    copied_ += slice;
    *budget -= slice;
}

// The keys the section lacks follow its last entry (in a section of their
// own at the end when there is none), keeping an open last line open.
void ProfileEditor::finishAdding() {
    if (added_.empty()) return;
    std::string_view lines = text_.substr(textStart(text_));
    bool lastLineOpen = !lines.empty() && lines.back() != '\n' && lines.back() != '\r';
    // An open last line that goes leaves the new lines last, and open.
    if (lastLineOpen && lastChangeEmptiedEnd_) {
        lastLineOpen = false;
        added_.resize(added_.size() - lineEnd_.size());
    }
    if (!inside_) {
        insertAt_ = text_.size();
        std::string header = lastLineOpen ? std::string(lineEnd_) : std::string();
        header.append("[").append(section_).append("]").append(lineEnd_);
        added_.insert(0, header);
    } else if (insertAt_ == text_.size() && lastLineOpen) {
        // The new lines follow the open last line: its end moves to the front.
        added_.insert(0, lineEnd_);
        added_.resize(added_.size() - lineEnd_.size());
    }
}

bool ProfileEditor::advance(size_t budget) {
    budget = std::max<size_t>(budget, 1);
    while (budget > 0) {
        switch (phase_) {
            case Phase::Indexing: {
                if (slots_.size() <= mask_) {
                    const size_t filled = std::min(mask_ + 1 - slots_.size(), budget);
                    slots_.resize(slots_.size() + filled, noEdit);
                    budget -= filled;
                    break;
                }
                // A key edited twice takes its last edit.
                const size_t end = std::min(count_, at_ + budget / bytesPerEdit + 1);
                budget -= std::min(budget, (end - at_) * bytesPerEdit);
                for (; at_ < end; ++at_) slots_[slotOf(nameOf(edits_[at_].key))] = at_;
                if (at_ == count_) {
                    at_ = textStart(text_);
                    phase_ = Phase::Walking;
                }
                break;
            }
            case Phase::Walking: {
                // The lines of the section are walked once, a budget of bytes a
                // step; a change copies the text before it and its replacement.
                const size_t walkEnd = budget >= text_.size() - at_ ? text_.size() : at_ + budget;
                bool sectionOver = false;
                while (at_ < walkEnd && !sectionOver) {
                    Line line = lineAt(text_, at_);
                    at_ = line.next;
                    LineContent parts = contentOf(text_, line);
                    std::string_view content = parts.text;
                    if (content.empty()) continue;
                    if (parts.header) {
                        sectionOver = inside_;
                        if (!inside_) inside_ = equalIgnoringCase(parts.name, section_);
                        if (inside_ && !sectionOver) insertAt_ = line.next;
                        continue;
                    }
                    if (!inside_) continue;
                    if (content.front() != ';') insertAt_ = line.next;
                    if (parts.name.empty()) continue;
                    size_t i = slots_[slotOf(parts.name)];
                    if (i == noEdit) continue;
                    if (edits_[i].value.data() == nullptr) {
                        // Every occurrence goes, so that the key reads as missing.
                        copyThrough(line.begin);
                        copied_ = line.next;
                        lastChangeEmptiedEnd_ = line.next == text_.size();
                        continue;
                    }
                    if (applied_[i]) continue;  // a later occurrence, hidden from the reader
                    applied_[i] = true;
                    size_t contentEnd = static_cast<size_t>(content.data() - text_.data()) + content.size();
                    if (parts.value.data() == nullptr) {
                        copyThrough(contentEnd);
                        result_->push_back('=');
                        lastChangeEmptiedEnd_ = false;
                    } else {
                        // The value runs from its first non-blank character after '=' to
                        // the end of the line's content; an empty value sits right at that end.
                        size_t valueBegin = parts.rawValue.empty()
                                                ? contentEnd
                                                : static_cast<size_t>(parts.rawValue.data() - text_.data());
                        copyThrough(valueBegin);
                        lastChangeEmptiedEnd_ = contentEnd == text_.size() && edits_[i].value.empty();
                    }
                    result_->append(edits_[i].value);
                    copied_ = contentEnd;
                }
                // The text walked, up to where added keys would go, is copied in
                // the same step: a change far into a large file then copies no
                // more than the walk covered (900 KB at once hold up a frame for
                // milliseconds under Wine).
                if (insertAt_ > copied_) copyThrough(insertAt_);
                if (sectionOver || at_ >= text_.size()) {
                    at_ = 0;
                    phase_ = Phase::Adding;
                }
                return false;
            }
            case Phase::Adding: {
                // Keys the section lacks, in the order given.
                const size_t end = std::min(count_, at_ + budget / bytesPerEdit + 1);
                budget -= std::min(budget, (end - at_) * bytesPerEdit);
                for (; at_ < end; ++at_) {
                    const ProfileEdit& edit = edits_[at_];
                    if (applied_[at_] || edit.value.data() == nullptr || slots_[slotOf(nameOf(edit.key))] != at_)
                        continue;
                    added_.append(nameOf(edit.key)).append("=").append(edit.value).append(lineEnd_);
                }
                if (at_ == count_) {
                    finishAdding();
                    phase_ = Phase::Copying;
                }
                break;
            }
            case Phase::Copying:
                if (!addedCopied_ && !added_.empty()) {
                    copyUpTo(insertAt_, &budget);
                    if (copied_ < insertAt_) break;
                    result_->append(added_);
                }
                addedCopied_ = true;
                copyUpTo(text_.size(), &budget);
                if (copied_ < text_.size()) break;
                if (encoding_ != ProfileEncoding::Bytes) *out_ = encodeUtf16(edited_, file_, encoding_);
                phase_ = Phase::Complete;
                return true;
            case Phase::Complete:
                return true;
        }
    }
    return phase_ == Phase::Complete;
}

std::string withProfileEdits(std::string_view file, std::string_view section, const ProfileEdit* edits,
                             size_t count) {
    std::string result;
    ProfileEditor editor;
    editor.start(file, section, edits, count, &result);
    while (!editor.advance(SIZE_MAX)) {
    }
    return result;
}

std::string withProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) {
    const ProfileEdit edit{key, value.data() ? value : std::string_view("")};
    return withProfileEdits(file, section, &edit, 1);
}
