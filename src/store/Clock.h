#pragma once

#include <ctime>
#include <string>

namespace brisvane {

// Local date and time, for the stamps on saved projects. Tests use a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm localNow() const;
};

// "mm/dd/yyyy" and "hh:mm AM/PM" (12-hour clock, 01 to 12), whatever the user's locale.
std::string formatDate(const std::tm& when);
std::string formatTime(const std::tm& when);

} // namespace brisvane
