#pragma once

#include <optional>
#include <string>
#include <utility>

namespace brisvane {

// What an operation that can fail gives back: that it was done, or the reason it was not, in
// words a message can hold ("Permission denied", "the file is larger than 32 MiB").
class [[nodiscard]] Outcome {
public:
    Outcome() = default; // done
    static Outcome failed(std::string why) {
        Outcome outcome;
        outcome.m_why = why.empty() ? std::string("failed") : std::move(why);
        return outcome;
    }
    bool ok() const { return m_why.empty(); }
    explicit operator bool() const { return ok(); }
    // Empty when the operation was done.
    const std::string& why() const { return m_why; }

private:
    std::string m_why;
};

// A value, or the reason there is none.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Outcome failure) : m_why(failure.ok() ? std::string("failed") : failure.why()) {}
    static Result failed(std::string why) { return Result(Outcome::failed(std::move(why))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& why() const { return m_why; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    std::string m_why;
};

} // namespace brisvane
