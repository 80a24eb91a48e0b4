#pragma once
// Reading typed fields of the JSON documents; a missing key leaves the target as it is.
#include "kberror.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

template <class T>
void NumberFromJson(const nlohmann::json& j, const char* key, T& v)
{
    auto it = j.find(key);
    if (it == j.end())
        return;
    if (!it->is_number_integer())
        throw EKbError(std::string("JSON: \"") + key + "\" must be an integer.");
    const long long n = it->get<long long>();
    if (n < static_cast<long long>(std::numeric_limits<T>::min()) || n > static_cast<long long>(std::numeric_limits<T>::max()))
        throw EKbError(std::string("JSON: \"") + key + "\" is out of range.");
    v = static_cast<T>(n);
}

void BoolFromJson(const nlohmann::json& j, const char* key, bool& v);
// The array under key, or null when the key is missing; anything else is an error.
const nlohmann::json* ArrayAt(const nlohmann::json& j, const char* key);
void RequireObject(const nlohmann::json& j, const char* what);
