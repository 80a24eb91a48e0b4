#include "cli/stdoutbuffer.h"

#include "files/filedescriptor.h"
#include "kberror.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <unistd.h>

void TStdoutBuffer::WriteBuffered()
{
    const std::string_view pending(pbase(), static_cast<size_t>(pptr() - pbase()));
    // After a failure the rest is dropped: the output is already incomplete.
    if (!pending.empty() && m_error == 0)
        m_error = WriteAll(STDOUT_FILENO, pending);
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

TStdoutBuffer::int_type TStdoutBuffer::overflow(int_type ch)
{
    WriteBuffered();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return m_error == 0 ? traits_type::not_eof(ch) : traits_type::eof();
}

int TStdoutBuffer::sync()
{
    WriteBuffered();
    return m_error == 0 ? 0 : -1;
}

void TStdoutBuffer::Finish()
{
    WriteBuffered();
    // An output closed before the start is no error when nothing was written to it.
    if (m_error == 0 && ::close(STDOUT_FILENO) != 0 && errno != EBADF)
        m_error = errno;
    if (m_error != 0)
        throw EKbError(std::string("Cannot write the standard output. ") + std::strerror(m_error));
}
