#include "gui/document/doctext.h"

#include "kberror.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <atomic>
#include <mutex>
#include <optional>

namespace {

std::mutex g_lock;
QString g_codePage = QStringLiteral("windows-1250");
std::atomic<int> g_generation{0};

// Opening a converter by name costs several times more than decoding a short text, and the
// grids decode thousands of cells: each thread keeps its decoder until the code page changes.
// Encoders are made fresh for every text, as theirs is the error flag that must start clear.
// (Converters are built in place: a moved-into QStringEncoder stops reporting errors.)
struct TDecoderCache {
    int Generation = -1;
    std::optional<QStringDecoder> Decoder;
};

QStringDecoder& Decoder()
{
    thread_local TDecoderCache cache;
    const int generation = g_generation.load();
    if (cache.Generation != generation) {
        cache.Decoder.emplace(DocCodePage().toLatin1().constData(), QStringConverter::Flag::Stateless);
        cache.Generation = generation;
    }
    return *cache.Decoder;
}

} // namespace

void SetDocCodePage(const QString& name)
{
    const QByteArray latin = name.toLatin1();
    if (!QStringDecoder(latin.constData()).isValid() || !QStringEncoder(latin.constData()).isValid())
        throw EKbError("Unknown code page: " + name.toStdString());
    std::lock_guard guard(g_lock);
    g_codePage = name;
    ++g_generation;
}

QString DocCodePage()
{
    std::lock_guard guard(g_lock);
    return g_codePage;
}

QString DocToQt(const std::string& bytes)
{
    QStringDecoder& d = Decoder();
    return d.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string QtToDoc(const QString& text, bool* lossy)
{
    QStringEncoder e(DocCodePage().toLatin1().constData());
    const QByteArray bytes = e.encode(text);
    if (lossy)
        *lossy = e.hasError();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
