#pragma once
// The primitive encodings of the data files (little-endian Int32, Byte, String, StringList)
// written to memory and read from an inflating stream.
#include "files/zstream.h"
#include "kberror.h"
#include "model/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TByteWriter {
public:
    void WriteInt32(int32_t v);
    void WriteByte(uint8_t v);
    // Strings longer than 65535 bytes cannot be read back; what names them in the error.
    void WriteString(const std::string& s, const char* what = nullptr);
    void WriteStringList(const TStrings& list, const char* what = nullptr);

    // Describes the object being written, for the message of a string that is too long.
    void SetOwner(std::string owner) { m_owner = std::move(owner); }

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

private:
    std::string m_bytes;
    std::string m_owner;
};

extern const char* const TruncatedFileMessage;

// Reads the content of a data file as it inflates. A valid file is never read past its end,
// so doing so raises an error (the decompression error when the stream is damaged there):
// a cut-off file is reported, not loaded with blank values. What the content may take is
// bounded by the limit; every count is checked against it before anything is built.
class TByteReader {
public:
    TByteReader(TInflater& source, size_t maxContentBytes);

    void ReadInt32(int32_t& v)
    {
        const auto* u = reinterpret_cast<const unsigned char*>(Take(4));
        v = static_cast<int32_t>(uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24));
    }
    void ReadByte(uint8_t& v) { v = static_cast<uint8_t>(*Take(1)); }
    void ReadBool(bool& v);
    void ReadString(std::string& s);
    // The next String's bytes, valid until the next read.
    std::string_view ReadStringView();
    void ReadStringList(TStrings& list);

    // A count of records of at least minRecordSize bytes each, which take recordMemory bytes
    // once built; a count they cannot fit in is a damaged file. Negative counts mean none.
    int32_t ReadCount(size_t minRecordSize, size_t recordMemory, const char* what);

    // Whether count records of minRecordSize bytes are inflated already: only then does
    // reserving room for them cost no more than the data that is there.
    bool Present(int32_t count, size_t minRecordSize) const;

    // After the last field: the stream must end cleanly right there. Content left unread, or
    // bytes after the stream (another file appended), raise damagedMessage.
    void Finish(const char* damagedMessage);

private:
    // n bytes of content, charged to the limit; fields are small, so this is mostly a pointer bump.
    const char* Take(size_t n)
    {
        if (n <= m_left && n <= m_end - m_pos) {
            m_left -= n;
            const char* p = m_buffer.get() + m_pos;
            m_pos += n;
            return p;
        }
        return TakeMore(n);
    }
    const char* TakeMore(size_t n);
    void Charge(size_t n);
    void CheckCount(int32_t count, size_t minRecordSize, size_t recordMemory, const char* what);
    [[noreturn]] void EndOfData() const;
    [[noreturn]] void TooLarge() const;

    TInflater& m_source;
    // Inflated content, not yet parsed from m_pos to m_end. Not a string: filling one would
    // clear every byte before inflate writes it.
    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity = 0;
    size_t m_pos = 0;
    size_t m_end = 0;
    size_t m_limit;
    size_t m_left;
};
