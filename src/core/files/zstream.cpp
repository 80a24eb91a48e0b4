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

TInflateResult InflateBytes(const std::string& compressed, size_t maxOutput)
{
    TInflateResult result;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        result.Damaged = true;
        result.Message = "Decompression error: cannot initialise zlib.";
        return result;
    }
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    zs.avail_in = static_cast<uInt>(compressed.size());
    // Start from a guess and grow geometrically; data files compress about 3 to 10 times.
    size_t cap = compressed.size() * 8 + 4096;
    if (cap > maxOutput)
        cap = maxOutput;
    result.Data.resize(cap);
    size_t have = 0;
    for (;;) {
        if (have == result.Data.size()) {
            if (result.Data.size() >= maxOutput) {
                result.Damaged = true;
                result.Message = "Decompression error: the data inflates beyond any sensible size.";
                break;
            }
            size_t next = result.Data.size() * 2;
            if (next > maxOutput)
                next = maxOutput;
            result.Data.resize(next);
        }
        zs.next_out = reinterpret_cast<Bytef*>(result.Data.data() + have);
        zs.avail_out = static_cast<uInt>(result.Data.size() - have);
        const int rc = inflate(&zs, Z_NO_FLUSH);
        have = zs.total_out;
        if (rc == Z_STREAM_END)
            break;
        if (rc == Z_OK)
            continue;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0)
            break; // input used up before the stream's end: an early end, not damage
        if (rc == Z_BUF_ERROR)
            continue; // output full; grow and go on
        result.Damaged = true;
        result.Message = std::string("Decompression error: ") + (zs.msg ? zs.msg : "invalid data") + ".";
        break;
    }
    inflateEnd(&zs);
    result.Data.resize(have);
    return result;
}

void ThrowIfDamaged(const TInflateResult& inflated)
{
    if (inflated.Damaged)
        throw EKbError(inflated.Message);
}
