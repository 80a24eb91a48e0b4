#include "cli/jsonstream.h"

#include "kberror.h"

using nlohmann::json;

namespace {
// Builds one value from its events; it is complete when its outermost value ends. In
// discarding mode it only follows the nesting.
class TValueBuilder {
public:
    void Begin(bool discard)
    {
        m_root = json();
        m_stack.clear();
        m_discard = discard;
        m_depth = 0;
    }
    bool Active() const { return m_active; }
    json Take()
    {
        m_active = false;
        return std::move(m_root);
    }

    // Each returns true when the value is complete.
    bool Scalar(json v)
    {
        m_active = true;
        if (!m_discard)
            Put(std::move(v));
        return m_depth == 0;
    }
    void Open(json container)
    {
        m_active = true;
        ++m_depth;
        if (!m_discard)
            m_stack.push_back(Put(std::move(container)));
    }
    void Key(std::string key) { m_key = std::move(key); }
    bool Close()
    {
        --m_depth;
        if (!m_discard)
            m_stack.pop_back();
        return m_depth == 0;
    }

private:
    json* Put(json v)
    {
        if (m_stack.empty()) {
            m_root = std::move(v);
            return &m_root;
        }
        json& parent = *m_stack.back();
        if (parent.is_array()) {
            parent.push_back(std::move(v));
            return &parent.back();
        }
        json& slot = parent[m_key];
        slot = std::move(v);
        return &slot;
    }

    json m_root;
    std::vector<json*> m_stack;
    std::string m_key;
    bool m_discard = false;
    bool m_active = false;
    int m_depth = 0;
};

class TStreamHandler : public nlohmann::json_sax<json> {
public:
    TStreamHandler(std::vector<TJsonStreamedKey>& keys, std::map<std::string, std::exception_ptr>& errors)
        : m_keys(keys), m_errors(errors)
    {
    }

    json Top;
    std::string SyntaxError;

    bool null() override { return Scalar(nullptr); }
    bool boolean(bool v) override { return Scalar(v); }
    bool number_integer(number_integer_t v) override { return Scalar(v); }
    bool number_unsigned(number_unsigned_t v) override { return Scalar(v); }
    bool number_float(number_float_t v, const string_t&) override { return Scalar(v); }
    bool string(string_t& v) override { return Scalar(std::move(v)); }
    bool binary(binary_t&) override { return Scalar(nullptr); } // never in JSON text

    bool start_object(std::size_t) override { return Open(json::object()); }
    bool start_array(std::size_t) override { return Open(json::array()); }
    bool key(string_t& k) override
    {
        if (m_builder.Active() || m_level != kInTop) {
            m_builder.Key(std::move(k));
            return true;
        }
        m_key = std::move(k);
        Top.erase(m_key);
        m_streamed = Streamed(m_key);
        if (m_streamed) {
            m_errors.erase(m_key);
            m_streamed->Restart();
        }
        return true;
    }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
    {
        SyntaxError = e.what();
        return false;
    }

private:
    enum TLevel { kBefore, kInTop, kInStreamedArray, kAfter, kNotAnObject };

    TJsonStreamedKey* Streamed(const std::string& key)
    {
        for (TJsonStreamedKey& k : m_keys)
            if (k.Key == key)
                return &k;
        return nullptr;
    }

    bool Scalar(json v)
    {
        if (m_builder.Active()) {
            if (m_builder.Scalar(std::move(v)))
                Deliver();
        } else if (m_level == kInTop) {
            Top[m_key] = std::move(v);
        } else if (m_level == kInStreamedArray) {
            Begin();
            m_builder.Scalar(std::move(v));
            Deliver();
        } else if (m_level == kBefore) {
            m_level = kNotAnObject;
        }
        return true;
    }

    bool Open(json container)
    {
        if (m_builder.Active()) {
            m_builder.Open(std::move(container));
        } else if (m_level == kBefore) {
            if (container.is_object()) {
                Top = json::object();
                m_level = kInTop;
            } else {
                m_level = kNotAnObject;
                m_builder.Begin(true);
                m_builder.Open(std::move(container));
            }
        } else if (m_level == kInTop && m_streamed && container.is_array()) {
            m_level = kInStreamedArray;
        } else {
            Begin();
            m_builder.Open(std::move(container));
        }
        return true;
    }

    bool Close()
    {
        if (m_builder.Active()) {
            if (m_builder.Close())
                Deliver();
        } else if (m_level == kInStreamedArray) {
            m_level = kInTop;
        } else if (m_level == kInTop) {
            m_level = kAfter;
        }
        return true;
    }

    void Begin()
    {
        // After an element's error the rest of that array is only followed, not built.
        const bool discard = m_level == kNotAnObject || (m_level == kInStreamedArray && m_errors.count(m_key));
        m_builder.Begin(discard);
    }

    void Deliver()
    {
        json value = m_builder.Take();
        if (m_level == kInTop) {
            Top[m_key] = std::move(value);
        } else if (m_level == kInStreamedArray && !m_errors.count(m_key)) {
            try {
                m_streamed->Element(value);
            } catch (...) {
                m_errors[m_key] = std::current_exception();
            }
        }
    }

    std::vector<TJsonStreamedKey>& m_keys;
    std::map<std::string, std::exception_ptr>& m_errors;
    TValueBuilder m_builder;
    TLevel m_level = kBefore;
    std::string m_key;
    TJsonStreamedKey* m_streamed = nullptr;
};
} // namespace

json TJsonStream::Parse(const std::string& text, const std::string& fileName)
{
    m_errors.clear();
    TStreamHandler handler(m_keys, m_errors);
    if (!json::sax_parse(text, &handler))
        throw EKbError("Cannot read \"" + fileName + "\": " + handler.SyntaxError);
    return std::move(handler.Top);
}

void TJsonStream::RaiseElementErrors() const
{
    for (const TJsonStreamedKey& k : m_keys)
        if (auto it = m_errors.find(k.Key); it != m_errors.end())
            std::rethrow_exception(it->second);
}
