#pragma once

#include <functional>
#include <string_view>

namespace zel {

// The debugger output: OutputDebugStringA on Windows, standard error elsewhere.
void OutputDebugStringA(const char* text);

// Test hook: while set, trace text goes here instead.
void setTraceSink(std::function<void(std::string_view)> sink);

} // namespace zel
