#include "cli/textcodec.h"

#include "kberror.h"
#include "model/utf8text.h"

#include <array>
#include <iconv.h>
#include <map>
#include <memory>

struct TTextCodec::Impl {
    std::string Name;
    std::array<uint32_t, 256> ToUnicode{}; // 0xFFFFFFFF: undefined byte
    std::map<uint32_t, unsigned char> FromUnicode;
};

namespace {
constexpr uint32_t kUndefined = 0xFFFFFFFFu;
constexpr uint32_t kPrivateBase = 0xF700;

// Decodes one UTF-8 sequence at i; returns kUndefined for malformed input.
uint32_t NextCodePoint(const std::string& s, size_t& i)
{
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int extra = 0;
    uint32_t cp = 0;
    if (c < 0x80) { ++i; return c; }
    if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
    else { ++i; return kUndefined; }
    if (i + extra >= s.size()) { i = s.size(); return kUndefined; }
    for (int k = 1; k <= extra; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) { i += k; return kUndefined; }
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    i += extra + 1;
    return cp;
}
} // namespace

TTextCodec::TTextCodec(std::string encoding) : m_impl(std::make_unique<Impl>())
{
    m_impl->Name = encoding;
    // An empty name would mean the locale's encoding to iconv: whatever the terminal has.
    if (encoding.empty())
        throw EKbError("No encoding named: give one such as windows-1250.");
    // Build the byte table once with iconv, one byte at a time.
    iconv_t cd = iconv_open("UTF-32LE", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw EKbError("Unknown encoding \"" + encoding + "\".");
    }
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char outBuf[8];
        char* inp = &in;
        size_t inLeft = 1;
        char* outp = outBuf;
        size_t outLeft = sizeof outBuf;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        uint32_t cp = kUndefined;
        if (rc != static_cast<size_t>(-1) && sizeof outBuf - outLeft == 4) {
            const auto* u = reinterpret_cast<const unsigned char*>(outBuf);
            cp = uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24);
        }
        m_impl->ToUnicode[byte] = cp;
        if (cp != kUndefined)
            m_impl->FromUnicode.emplace(cp, static_cast<unsigned char>(byte));
    }
    iconv_close(cd);
    // The text is one byte per character, and the JSON's keys and numbers are ASCII: UTF-16,
    // UTF-32 or EBCDIC would turn every byte into something else or into nothing.
    for (uint32_t byte = 0; byte < 0x80; ++byte)
        if (m_impl->ToUnicode[byte] != byte)
            throw EKbError("Encoding \"" + encoding +
                           "\" cannot be used: the text needs an 8-bit encoding that keeps ASCII as it is.");
}

TTextCodec::~TTextCodec() = default;

std::string TTextCodec::ToUtf8(const std::string& bytes) const
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char c : bytes) {
        const uint32_t cp = m_impl->ToUnicode[c];
        AppendUtf8(out, cp == kUndefined ? kPrivateBase + c : cp);
    }
    return out;
}

std::string TTextCodec::FromUtf8(const std::string& utf8) const
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const uint32_t cp = NextCodePoint(utf8, i);
        if (cp == kUndefined)
            throw EKbError("The text is not valid UTF-8.");
        auto it = m_impl->FromUnicode.find(cp);
        if (it != m_impl->FromUnicode.end()) {
            out += static_cast<char>(it->second);
        } else if (cp >= kPrivateBase && cp < kPrivateBase + 256 && m_impl->ToUnicode[cp - kPrivateBase] == kUndefined) {
            out += static_cast<char>(cp - kPrivateBase);
        } else {
            std::string ch;
            AppendUtf8(ch, cp);
            throw EKbError("The character \"" + ch + "\" cannot be written in " + m_impl->Name + ".");
        }
    }
    return out;
}
