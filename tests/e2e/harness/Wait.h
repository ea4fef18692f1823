#pragma once

#include <chrono>
#include <optional>
#include <thread>

namespace e2e {

using namespace std::chrono_literals;

// How long a test waits for the program by default: generous for a loaded machine, bounded all the same.
inline constexpr std::chrono::milliseconds DefaultTimeout = 20s;
inline constexpr std::chrono::milliseconds PollInterval = 50ms;

// Polls the condition until it holds or the timeout has passed; returns whether it held.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = DefaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(PollInterval);
    }
}

// Polls a query that returns std::optional<T> until it returns a value or the timeout has passed.
template <class Query>
auto WaitFor(Query query, std::chrono::milliseconds timeout = DefaultTimeout) -> decltype(query()) {
    decltype(query()) result;
    WaitUntil([&] { return (result = query()).has_value(); }, timeout);
    return result;
}

} // namespace e2e
