#pragma once
// Reading typed fields of the JSON documents; a missing key leaves the target as it is.
#include "kberror.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

// The value as T; an error naming the field when it is not an integer or does not fit.
template <class T>
T IntegerFromJson(const nlohmann::json& value, const std::string& field)
{
    if (!value.is_number_integer())
        throw EKbError("JSON: \"" + field + "\" must be an integer.");
    const auto outOfRange = [&] { return EKbError("JSON: \"" + field + "\" is out of range."); };
    // Non-negative numbers are held unsigned; read as signed, the largest would wrap.
    if (value.is_number_unsigned()) {
        const auto n = value.get<unsigned long long>();
        if (n > static_cast<unsigned long long>(std::numeric_limits<T>::max()))
            throw outOfRange();
        return static_cast<T>(n);
    }
    const long long n = value.get<long long>();
    if (n < static_cast<long long>(std::numeric_limits<T>::min()) || n > static_cast<long long>(std::numeric_limits<T>::max()))
        throw outOfRange();
    return static_cast<T>(n);
}

template <class T>
void NumberFromJson(const nlohmann::json& j, const char* key, T& v)
{
    auto it = j.find(key);
    if (it != j.end())
        v = IntegerFromJson<T>(*it, key);
}

void BoolFromJson(const nlohmann::json& j, const char* key, bool& v);
// The array under key, or null when the key is missing; anything else is an error.
const nlohmann::json* ArrayAt(const nlohmann::json& j, const char* key);
void RequireObject(const nlohmann::json& j, const char* what);
