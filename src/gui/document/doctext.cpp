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
    else if (e.hasError())
        throw EKbError(UnstorableMessage(text, FirstUnstorable(text)).toStdString());
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

qsizetype FirstUnstorable(const QString& text)
{
    const QByteArray name = DocCodePage().toLatin1();
    // Encoding happens when the result is taken, not at encode().
    QStringEncoder whole(name.constData());
    const QByteArray all = whole.encode(text);
    if (!whole.hasError())
        return -1;
    // Only a text that failed is walked, one character (a surrogate pair whole) at a time.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one(name.constData());
        const QByteArray bytes = one.encode(QStringView(text).mid(i, length));
        if (one.hasError())
            return i;
        i += length;
    }
    return -1;
}

QString UnstorableMessage(const QString& text, qsizetype index)
{
    if (index < 0 || index >= text.size())
        return QStringLiteral("The text holds characters that cannot be stored in the code page %1.").arg(DocCodePage());
    const qsizetype length = text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(index, length);
    const char32_t point = length == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1)) : character.at(0).unicode();
    const QString code = QString::number(point, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("\u201C%1\u201D (U+%2) cannot be stored in the code page %3.")
        .arg(character, code, DocCodePage());
}
