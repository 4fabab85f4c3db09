#pragma once
// The warnings and errors of a settings check as the checker makes them (not
// in line order): how many of each, and the first ones by line with their
// texts, in storage of its own. Only a finding that would be among them is
// formatted, so that a file of thousands of problems costs no more than their
// count. The log and the menu's About page keep their findings in one.
#include <cstdint>

#include "checker/settings_checker.h"
#include "checker/value_reading.h"

class FirstFindings final : public FindingSink {
public:
    static constexpr int capacity = 30;
    static constexpr int textSize = sizeof MessageText::text;  // a whole finding

    // Not constexpr: one in static storage then lies in memory the loader
    // zero-fills, rather than in Pelorin.asi, where its vtable pointer would
    // otherwise bring its 15 KB of texts.
    FirstFindings();
    void clear();
    bool wantsMessage(int line, CheckSeverity severity) const override;
    void add(int line, CheckSeverity severity, FindingKind kind, int key, const char* text) override;

    int count() const { return errors_ + warnings_; }
    int errors() const { return errors_; }
    int warnings() const { return warnings_; }
    // The findings kept, by line: index 0 to kept() - 1.
    int kept() const { return kept_; }
    int line(int index) const { return lines_[order_[index]]; }
    const char* text(int index) const { return texts_[order_[index]]; }
    // The places and kinds of every finding, in any order, and the kept
    // findings' lines and texts: equal for the same findings.
    uint32_t fingerprint() const;

private:
    int errors_ = 0;
    int warnings_ = 0;
    uint32_t placesFingerprint_ = 0;
    int kept_ = 0;
    int order_[capacity] = {};  // the slots by line
    int lines_[capacity] = {};
    char texts_[capacity][textSize] = {};
};

// FNV-1a of a line number and a text, on from hash.
uint32_t findingFingerprint(uint32_t hash, int line, const char* text);
