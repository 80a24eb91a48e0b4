#pragma once
// The one exception type of the core: its message is shown to the user as it stands
// (UTF-8; some messages are Czech by design).
#include <stdexcept>
#include <string>

class EKbError : public std::runtime_error {
public:
    explicit EKbError(const std::string& message) : std::runtime_error(message) {}
};
