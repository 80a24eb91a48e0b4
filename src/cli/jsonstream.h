#pragma once
// Reading a JSON document whose top level is an object without building it whole: the
// elements of the arrays under some keys are handed over one at a time as they are parsed,
// so that memory holds one element, not the document.
#include <exception>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct TJsonStreamedKey {
    std::string Key;
    // The key appears (again): what its earlier value gave is to be dropped, as a parsed
    // document keeps only the last value of a key.
    std::function<void()> Restart;
    // One element of its array. An error is kept and raised once the document is known to
    // be well-formed, after the errors of the other members.
    std::function<void(const nlohmann::json& element)> Element;
};

class TJsonStream {
public:
    explicit TJsonStream(std::vector<TJsonStreamedKey> keys) : m_keys(std::move(keys)) {}

    // Parses the whole text; a syntax error raises EKbError "Cannot read "fileName": ...".
    // Returns the top-level object without the streamed arrays (a streamed key whose value
    // is not an array stays in it), or null when the top level is not an object.
    nlohmann::json Parse(const std::string& text, const std::string& fileName);
    // After the caller has read the returned object: raises the first error an element of
    // a streamed key gave, in the order of the keys.
    void RaiseElementErrors() const;

private:
    std::vector<TJsonStreamedKey> m_keys;
    std::map<std::string, std::exception_ptr> m_errors;
};
