#include "app/command_guard.h"

#include <new>
#include <string>

#include "host/host.h"

namespace tolvane {

namespace {

constexpr const char* kOutOfMemory = "メモリが足りないため、操作を中止しました。";
constexpr const char* kUnknownError = "予期しないエラーのため、操作を中止しました。";

void report(Host* host, const std::string& text)
{
    if (!host) return;
    // The box itself must not end the program either.
    try {
        host->reportError(text);
    } catch (...) {
    }
}

}  // namespace

std::string errorBoxText(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error)) return kOutOfMemory;
    return error.what();
}

bool runGuarded(Host* host, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        report(host, errorBoxText(e));
    } catch (...) {
        report(host, kUnknownError);
    }
    return false;
}

}  // namespace tolvane
