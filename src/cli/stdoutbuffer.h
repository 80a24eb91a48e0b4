#pragma once
// The commands' standard output, written with plain write calls: stdio drops the cause of a
// failed write (a full disk), so the check at the end could not say what went wrong.
#include <array>
#include <iostream>
#include <streambuf>

class TStdoutBuffer : public std::streambuf {
public:
    TStdoutBuffer() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

    // Writes what is left and closes the output; raises EKbError with the cause when any
    // write failed, so that a truncated output never passes for a whole one.
    void Finish();

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    void WriteBuffered();

    std::array<char, 65536> m_buffer{};
    int m_error = 0; // errno of the first failed write
};

// Puts the buffer behind std::cout while it lives.
class TStdoutRedirect {
public:
    explicit TStdoutRedirect(std::streambuf& buffer) : m_old(std::cout.rdbuf(&buffer)) {}
    ~TStdoutRedirect() { std::cout.rdbuf(m_old); }
    TStdoutRedirect(const TStdoutRedirect&) = delete;
    TStdoutRedirect& operator=(const TStdoutRedirect&) = delete;

private:
    std::streambuf* m_old;
};
