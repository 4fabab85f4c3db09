#pragma once
// The checker's findings on their way to its sink: a text is formatted only
// when the sink wants it (the plug-in's log keeps only the first ones by line,
// so that a file of thousands of problems costs little more than their count).
#include <cstdarg>
#include <cstdio>

#include "checker/settings_checker.h"
#include "checker/value_reading.h"

class FindingReport {
public:
    explicit FindingReport(FindingSink& sink) : sink_(sink) {}

    void add(int line, CheckSeverity severity, FindingKind kind, const char* format, ...)
        __attribute__((format(printf, 5, 6))) {
        if (!wanted(line, severity, kind, -1)) return;
        MessageText text;
        va_list args;
        va_start(args, format);
        std::vsnprintf(text.text, sizeof text.text, format, args);
        va_end(args);
        sink_.add(line, severity, kind, -1, text.text);
    }

    // A finding whose text write(MessageText&) composes, called only when the text is wanted.
    template <typename Write>
    void compose(int line, CheckSeverity severity, FindingKind kind, int key, Write write) {
        if (!wanted(line, severity, kind, key)) return;
        MessageText text;
        write(text);
        sink_.add(line, severity, kind, key, text.text);
    }

    bool wantsMessage(int line, CheckSeverity severity) const { return sink_.wantsMessage(line, severity); }

private:
    FindingSink& sink_;

    // False, with the finding passed on without a text, when its text is not wanted.
    bool wanted(int line, CheckSeverity severity, FindingKind kind, int key) {
        if (sink_.wantsMessage(line, severity)) return true;
        sink_.add(line, severity, kind, key, nullptr);
        return false;
    }
};
