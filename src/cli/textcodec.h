#pragma once
// Converts the document's 8-bit text to UTF-8 for JSON and back, in one code page.
// Bytes the code page leaves undefined travel as private-use characters U+F700 + byte,
// so that every byte string survives a round trip through JSON.
#include <memory>
#include <string>

class TTextCodec {
public:
    explicit TTextCodec(std::string encoding = "windows-1250"); // throws on an unknown name
    ~TTextCodec();
    TTextCodec(const TTextCodec&) = delete;
    TTextCodec& operator=(const TTextCodec&) = delete;

    std::string ToUtf8(const std::string& bytes) const;
    std::string FromUtf8(const std::string& utf8) const; // throws on unmappable text

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
