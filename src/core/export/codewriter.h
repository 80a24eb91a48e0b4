#pragma once
// The bytes of one generated file, collected in memory: every line ends with CR LF.
#include <string>
#include <string_view>

class TCodeWriter {
public:
    void Write(std::string_view s) { m_bytes.append(s); }
    void Write(char c) { m_bytes.push_back(c); }
    void Spaces(int count)
    {
        if (count > 0)
            m_bytes.append(static_cast<size_t>(count), ' ');
    }
    void EndLine() { m_bytes.append("\r\n", 2); }
    void Line(std::string_view s)
    {
        Write(s);
        EndLine();
    }

    const std::string& Bytes() const { return m_bytes; }
    // Empties the buffer but keeps its capacity for the next file.
    void Clear() { m_bytes.clear(); }

private:
    std::string m_bytes;
};
