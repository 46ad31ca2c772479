#include "Trace.h"

#include <QtGlobal>
#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
// Declared by hand to keep <windows.h> and its macros out.
extern "C" __declspec(dllimport) void __stdcall OutputDebugStringW(const wchar_t* text);
#include <QString>
#endif

namespace zel {
namespace {
std::function<void(std::string_view)>& traceSink()
{
    static std::function<void(std::string_view)> sink;
    return sink;
}
} // namespace

void OutputDebugStringA(const char* text)
{
    if (!text)
        return;
    if (const auto& sink = traceSink()) {
        sink(text);
        return;
    }
#ifdef Q_OS_WIN
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(QString::fromLocal8Bit(text).utf16()));
#else
    std::fputs(text, stderr);
    std::fflush(stderr);
#endif
}

void setTraceSink(std::function<void(std::string_view)> sink)
{
    traceSink() = std::move(sink);
}
} // namespace zel
