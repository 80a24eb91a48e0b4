#pragma once
// The primitive encodings of the data files (little-endian Int32, Byte, String, StringList)
// over an in-memory buffer. The reader never trusts a count or length beyond the bytes left.
#include "kberror.h"
#include "model/types.h"

#include <cstdint>
#include <string>

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

class TByteReader {
public:
    // damagedAfter: the data ends because the compressed stream was damaged there, so a read
    // past the end raises damageMessage instead of delivering nothing.
    explicit TByteReader(const std::string& data, bool damagedAfter = false, std::string damageMessage = {});

    // A read past the end leaves the value as it was (an early end of the stream).
    void ReadInt32(int32_t& v);
    void ReadByte(uint8_t& v);
    void ReadBool(bool& v);
    void ReadString(std::string& s);
    void ReadStringList(TStrings& list);

    // A count of records of at least minRecordSize bytes each; one that cannot fit in the
    // data left is a damaged file. Negative counts mean none.
    int32_t ReadCount(int minRecordSize, const char* what);
    // Checks an already read count the same way.
    void CheckCount(int32_t count, int minRecordSize, const char* what);

    size_t Remaining() const { return m_data.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_data.size(); }

private:
    bool Take(size_t n, const char*& p);
    [[noreturn]] void Damaged(const char* what) const;

    const std::string& m_data;
    size_t m_pos = 0;
    bool m_damagedAfter;
    std::string m_damageMessage;
};
