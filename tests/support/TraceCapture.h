#pragma once

#include "platform/Trace.h"

#include <string>

// Collects the trace output while it lives.
class TraceCapture
{
public:
    TraceCapture()
    {
        zel::setTraceSink([this](std::string_view line) { text.append(line); });
    }
    ~TraceCapture() { zel::setTraceSink(nullptr); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    std::string text;
};
