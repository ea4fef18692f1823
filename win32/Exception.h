#pragma once

#include <string>
#include <utility>

// The class of every failure the program reports: one message text (UTF-8), which may be empty.
// Portable on purpose: code and tests outside the Windows layer raise and catch it too.
class Exception {
public:
    explicit Exception(std::string message = {}) : m_message(std::move(message)) {}
    virtual ~Exception() = default;

    const std::string& Message() const { return m_message; }

private:
    std::string m_message;
};
