#include "checker/first_findings.h"

#include <cstdio>

uint32_t findingFingerprint(uint32_t hash, int line, const char* text) {
    hash = (hash ^ static_cast<uint32_t>(line)) * 16777619u;
    for (; *text != '\0'; ++text) hash = (hash ^ static_cast<unsigned char>(*text)) * 16777619u;
    return hash;
}

FirstFindings::FirstFindings() = default;

void FirstFindings::clear() {
    errors_ = warnings_ = kept_ = 0;
    placesFingerprint_ = 0;
}

bool FirstFindings::wantsMessage(int line, CheckSeverity severity) const {
    return severity != CheckSeverity::Note && (kept_ < capacity || line < lines_[order_[kept_ - 1]]);
}

void FirstFindings::add(int line, CheckSeverity severity, FindingKind kind, int key, const char* text) {
    if (severity == CheckSeverity::Note) return;
    ++(severity == CheckSeverity::Error ? errors_ : warnings_);
    // A sum, so that the order in which the findings come does not matter.
    placesFingerprint_ +=
        findingFingerprint(findingFingerprint(2166136261u, line, ""), static_cast<int>(kind) * 64 + key, "");
    if (text == nullptr) return;
    // The slot of a new finding, or of the last one by line, which drops out.
    int slot = kept_ < capacity ? kept_ : order_[kept_ - 1];
    int at = kept_ < capacity ? kept_++ : kept_ - 1;
    for (; at > 0 && lines_[order_[at - 1]] > line; --at) order_[at] = order_[at - 1];
    order_[at] = slot;
    lines_[slot] = line;
    std::snprintf(texts_[slot], sizeof texts_[slot], "%s", text);
}

uint32_t FirstFindings::fingerprint() const {
    uint32_t fingerprint = placesFingerprint_;
    for (int i = 0; i < kept_; ++i) fingerprint = findingFingerprint(fingerprint, line(i), text(i));
    return fingerprint;
}
