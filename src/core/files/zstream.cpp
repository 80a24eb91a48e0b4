#include "files/zstream.h"

#include "kberror.h"

#include <zlib.h>

std::string DeflateBytes(const std::string& raw)
{
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        throw EKbError("Compression error: cannot initialise zlib.");
    std::string out;
    out.resize(deflateBound(&zs, static_cast<uLong>(raw.size())));
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
    zs.avail_in = static_cast<uInt>(raw.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    const size_t written = zs.total_out;
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw EKbError("Compression error.");
    out.resize(written);
    return out;
}

void TInflater::TZDeleter::operator()(z_stream_s* zs) const
{
    inflateEnd(zs);
    delete zs;
}

TInflater::TInflater(const std::string& compressed)
{
    auto zs = std::make_unique<z_stream>();
    zs->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    zs->avail_in = static_cast<uInt>(compressed.size());
    if (compressed.size() != zs->avail_in || inflateInit(zs.get()) != Z_OK) {
        m_state = State::Damaged;
        m_message = "Decompression error: cannot initialise zlib.";
        return;
    }
    m_zs.reset(zs.release());
}

TInflater::~TInflater() = default;

void TInflater::Fail(const char* zlibMessage)
{
    m_state = State::Damaged;
    m_message = std::string("Decompression error: ") + (zlibMessage ? zlibMessage : "invalid data") + ".";
}

size_t TInflater::Read(char* dest, size_t maxBytes)
{
    size_t written = 0;
    while (m_state == State::Running && written == 0) {
        m_zs->next_out = reinterpret_cast<Bytef*>(dest);
        m_zs->avail_out = static_cast<uInt>(maxBytes);
        const int rc = inflate(m_zs.get(), Z_NO_FLUSH);
        written = maxBytes - m_zs->avail_out;
        if (rc == Z_STREAM_END) {
            m_state = State::Ended;
            m_trailing = m_zs->avail_in > 0;
        } else if (rc == Z_BUF_ERROR && m_zs->avail_in == 0)
            m_state = State::Cut; // the input is used up before the stream's end
        else if (rc != Z_OK && rc != Z_BUF_ERROR)
            Fail(m_zs->msg);
    }
    return written;
}

bool TInflater::More(std::string& out, size_t maxBytes)
{
    const size_t start = out.size();
    out.resize(start + maxBytes);
    out.resize(start + Read(out.data() + start, maxBytes));
    return out.size() > start;
}

TInflateResult InflateBytes(const std::string& compressed, size_t maxOutput)
{
    TInflateResult result;
    TInflater inflater(compressed);
    while (inflater.More(result.Data, size_t(1) << 16)) {
        if (result.Data.size() > maxOutput) {
            result.Data.resize(maxOutput);
            result.Damaged = true;
            result.Message = "Decompression error: the data inflates beyond " + std::to_string(maxOutput) + " bytes.";
            return result;
        }
    }
    result.Damaged = inflater.Damaged();
    result.Message = inflater.Message();
    return result;
}
