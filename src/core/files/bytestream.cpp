#include "files/bytestream.h"

#include <cstring>

namespace {
constexpr size_t kMaxStoredString = 65535;
}

void TByteWriter::WriteInt32(int32_t v)
{
    const uint32_t u = static_cast<uint32_t>(v);
    const char b[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char((u >> 24) & 0xFF)};
    m_bytes.append(b, 4);
}

void TByteWriter::WriteByte(uint8_t v) { m_bytes.push_back(static_cast<char>(v)); }

void TByteWriter::WriteString(const std::string& s, const char* what)
{
    if (s.size() > kMaxStoredString) {
        std::string msg = "Cannot save: ";
        if (!m_owner.empty())
            msg += m_owner + ", ";
        msg += "field " + std::string(what ? what : "text") + " is " + std::to_string(s.size()) +
               " bytes long; at most 65535 bytes can be stored.";
        throw EKbError(msg);
    }
    WriteInt32(static_cast<int32_t>(s.size()));
    m_bytes += s;
}

void TByteWriter::WriteStringList(const TStrings& list, const char* what)
{
    WriteInt32(static_cast<int32_t>(list.size()));
    for (const auto& s : list)
        WriteString(s, what);
}

TByteReader::TByteReader(const std::string& data, bool damagedAfter, std::string damageMessage)
    : m_data(data), m_damagedAfter(damagedAfter), m_damageMessage(std::move(damageMessage))
{
}

void TByteReader::Damaged(const char* what) const
{
    if (m_damagedAfter)
        throw EKbError(m_damageMessage);
    throw EKbError(std::string("The file is damaged: ") + what + " exceeds the data present.");
}

bool TByteReader::Take(size_t n, const char*& p)
{
    if (Remaining() < n) {
        if (m_damagedAfter)
            throw EKbError(m_damageMessage);
        m_pos = m_data.size();
        return false;
    }
    p = m_data.data() + m_pos;
    m_pos += n;
    return true;
}

void TByteReader::ReadInt32(int32_t& v)
{
    const char* p;
    if (!Take(4, p))
        return;
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    v = static_cast<int32_t>(uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24));
}

void TByteReader::ReadByte(uint8_t& v)
{
    const char* p;
    if (Take(1, p))
        v = static_cast<uint8_t>(*p);
}

void TByteReader::ReadBool(bool& v)
{
    uint8_t b = v ? 1 : 0;
    ReadByte(b);
    v = b != 0;
}

void TByteReader::ReadString(std::string& s)
{
    int32_t len = 0;
    if (Remaining() < 4 && !m_damagedAfter) {
        m_pos = m_data.size(); // the stream ended early: the string keeps its value
        return;
    }
    ReadInt32(len);
    // Only the low 16 bits of the length count; zero or negative reads nothing.
    const int32_t n = len % 65536;
    if (n <= 0) {
        s.clear();
        return;
    }
    if (static_cast<size_t>(n) > Remaining())
        Damaged("a text length");
    s.assign(m_data, m_pos, static_cast<size_t>(n));
    m_pos += static_cast<size_t>(n);
}

void TByteReader::ReadStringList(TStrings& list)
{
    if (Remaining() < 4 && !m_damagedAfter) {
        m_pos = m_data.size();
        return;
    }
    int32_t n = 0;
    ReadInt32(n);
    CheckCount(n, 4, "a line count");
    list.clear();
    if (n > 0)
        list.reserve(static_cast<size_t>(n)); // bounded by the bytes left
    for (int32_t i = 0; i < n; ++i) {
        list.emplace_back();
        ReadString(list.back());
    }
}

int32_t TByteReader::ReadCount(int minRecordSize, const char* what)
{
    int32_t n = 0;
    ReadInt32(n);
    CheckCount(n, minRecordSize, what);
    return n < 0 ? 0 : n;
}

void TByteReader::CheckCount(int32_t count, int minRecordSize, const char* what)
{
    if (count > 0 && static_cast<uint64_t>(count) * static_cast<uint64_t>(minRecordSize) > Remaining())
        Damaged(what);
}
