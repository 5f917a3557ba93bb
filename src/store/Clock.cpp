#include "store/Clock.h"

#include <cstdio>

namespace brisvane {

std::tm Clock::localNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string formatDate(const std::tm& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.tm_mon + 1, when.tm_mday,
                  when.tm_year + 1900);
    return text;
}

std::string formatTime(const std::tm& when) {
    const int hour = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d %s", hour, when.tm_min,
                  when.tm_hour < 12 ? "AM" : "PM");
    return text;
}

} // namespace brisvane
