#pragma once
// zlib framing of the data files: whole-buffer deflate, incremental inflate.
#include <cstddef>
#include <memory>
#include <string>

struct z_stream_s;

// Deflate at the default level (window 15, memory level 8, default strategy).
std::string DeflateBytes(const std::string& raw);

// Inflates a compressed image piece by piece, so that a reader holds only what it has not
// parsed yet. The image must outlive the inflater.
class TInflater {
public:
    explicit TInflater(const std::string& compressed);
    ~TInflater();
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // Appends up to maxBytes of further content to out; false when there is no more, because
    // the stream ended, its input ran out early or its data is damaged.
    bool More(std::string& out, size_t maxBytes);
    // The same into a caller's buffer, without clearing it first; the bytes written, 0 when
    // there is no more.
    size_t Read(char* dest, size_t maxBytes);

    bool Ended() const { return m_state == State::Ended; }
    // Whether bytes follow the end of the stream: a file holds one stream and nothing else.
    bool TrailingInput() const { return m_trailing; }
    bool Damaged() const { return m_state == State::Damaged; }
    // The decompression error, when Damaged.
    const std::string& Message() const { return m_message; }

private:
    enum class State { Running, Ended, Cut, Damaged };
    struct TZDeleter {
        void operator()(z_stream_s* zs) const;
    };
    void Fail(const char* zlibMessage);

    std::unique_ptr<z_stream_s, TZDeleter> m_zs;
    State m_state = State::Running;
    bool m_trailing = false;
    std::string m_message;
};

struct TInflateResult {
    std::string Data;     // everything that could be inflated
    bool Damaged = false; // the compressed data was corrupt after Data, or inflates beyond maxOutput
    std::string Message;  // the decompression error, when Damaged
};

// The whole content at once, for checks of what a writer produced.
TInflateResult InflateBytes(const std::string& compressed, size_t maxOutput = size_t(1) << 30);
