#include "files/bytestream.h"

#include "files/loadlimits.h"

#include <algorithm>

namespace {
constexpr size_t kMaxStoredString = 65535;
constexpr size_t kInflateChunk = size_t(1) << 18;
} // namespace

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

const char* const TruncatedFileMessage = "The file is damaged: it ends before all of its data.";

TByteReader::TByteReader(TInflater& source, size_t maxContentBytes)
    : m_source(source), m_limit(maxContentBytes), m_left(maxContentBytes)
{
}

void TByteReader::EndOfData() const
{
    throw EKbError(m_source.Damaged() ? m_source.Message() : TruncatedFileMessage);
}

void TByteReader::TooLarge() const
{
    throw EKbError("The file is too large: its content takes more than " + SizeText(m_limit) +
                   ", the most a file may hold.");
}

void TByteReader::Charge(size_t n)
{
    if (n > m_left)
        TooLarge();
    m_left -= n;
}

const char* TByteReader::TakeMore(size_t n)
{
    Charge(n);
    if (n > m_capacity) {
        // Room for the longest field and a large piece of inflated content after it.
        const size_t capacity = std::max(n, kInflateChunk) + kInflateChunk;
        auto bigger = std::make_unique<char[]>(capacity);
        std::copy(m_buffer.get() + m_pos, m_buffer.get() + m_end, bigger.get());
        m_buffer = std::move(bigger);
        m_capacity = capacity;
    } else {
        std::copy(m_buffer.get() + m_pos, m_buffer.get() + m_end, m_buffer.get()); // what is parsed is not kept
    }
    m_end -= m_pos;
    m_pos = 0;
    while (m_end < n) {
        const size_t got = m_source.Read(m_buffer.get() + m_end, m_capacity - m_end);
        if (got == 0)
            EndOfData();
        m_end += got;
    }
    m_pos = n;
    return m_buffer.get();
}

void TByteReader::ReadBool(bool& v)
{
    uint8_t b = 0;
    ReadByte(b);
    v = b != 0;
}

std::string_view TByteReader::ReadStringView()
{
    int32_t len = 0;
    ReadInt32(len);
    // Only the low 16 bits of the length count; zero or negative reads nothing.
    const int32_t n = len % 65536;
    if (n <= 0)
        return {};
    return {Take(static_cast<size_t>(n)), static_cast<size_t>(n)};
}

void TByteReader::ReadString(std::string& s)
{
    // Built in one go: assigning into the string would take the slower path that allows overlap.
    s = std::string(ReadStringView());
}

void TByteReader::ReadStringList(TStrings& list)
{
    int32_t n = 0;
    ReadInt32(n);
    CheckCount(n, 4, sizeof(std::string), "a line count");
    list.clear();
    if (n > 0 && Present(n, 4))
        list.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        list.emplace_back(ReadStringView());
}

int32_t TByteReader::ReadCount(size_t minRecordSize, size_t recordMemory, const char* what)
{
    int32_t n = 0;
    ReadInt32(n);
    CheckCount(n, minRecordSize, recordMemory, what);
    return n < 0 ? 0 : n;
}

bool TByteReader::Present(int32_t count, size_t minRecordSize) const
{
    return uint64_t(count) * minRecordSize <= m_end - m_pos;
}

void TByteReader::CheckCount(int32_t count, size_t minRecordSize, size_t recordMemory, const char* what)
{
    if (count <= 0)
        return;
    // Each record's bytes are charged as they are read; its memory is charged here at once.
    const uint64_t memory = uint64_t(count) * recordMemory;
    if (uint64_t(count) * minRecordSize + memory > m_left)
        throw EKbError(std::string("The file is damaged: ") + what + " exceeds the " + SizeText(m_limit) +
                       " a file may hold.");
    Charge(static_cast<size_t>(memory));
}

void TByteReader::Finish(const char* damagedMessage)
{
    if (m_pos < m_end)
        throw EKbError(damagedMessage);
    // One more byte of content is enough to know there is some; the end still checks the sum.
    char extra = 0;
    if (m_source.Read(&extra, 1) > 0)
        throw EKbError(damagedMessage);
    if (!m_source.Ended())
        EndOfData();
    if (m_source.TrailingInput())
        throw EKbError(damagedMessage);
}
