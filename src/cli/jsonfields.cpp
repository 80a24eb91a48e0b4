#include "cli/jsonfields.h"

using nlohmann::json;

void BoolFromJson(const json& j, const char* key, bool& v)
{
    auto it = j.find(key);
    if (it == j.end())
        return;
    if (!it->is_boolean())
        throw EKbError(std::string("JSON: \"") + key + "\" must be true or false.");
    v = it->get<bool>();
}

const json* ArrayAt(const json& j, const char* key)
{
    auto it = j.find(key);
    if (it == j.end())
        return nullptr;
    if (!it->is_array())
        throw EKbError(std::string("JSON: \"") + key + "\" must be an array.");
    return &*it;
}

void RequireObject(const json& j, const char* what)
{
    if (!j.is_object())
        throw EKbError(std::string("JSON: ") + what + " must be an object.");
}
