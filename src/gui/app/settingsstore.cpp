#include "gui/app/settingsstore.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <stdexcept>

namespace {

const char* const Organization = "Kaj Soft";
const char* const Application = "Kesterbrandor";
const char* const SentenceSection = "SentenceDB";
const char* const ItemSection = "ItemDB";
const int RecentKeys = 8;

using TKind = TSettingKey::TKind;
using TOutside = TSettingKey::TOutside;
constexpr int MaxCoord = TSettingsStore::MaxCoordinate;

const std::vector<TSettingKey> Keys = {
    {"FileName", TKind::Text},
    {"Recent1", TKind::Text},
    {"Recent2", TKind::Text},
    {"Recent3", TKind::Text},
    {"Recent4", TKind::Text},
    {"Recent5", TKind::Text},
    {"Recent6", TKind::Text},
    {"Recent7", TKind::Text},
    {"Recent8", TKind::Text},
    {"RecoveryMinutes", TKind::Integer, 0, 120},
    // An item the list does not have is 100%.
    {"Zoom", TKind::Integer, 0, TProgramSettings::ZoomItems - 1, TOutside::Default},
    {"Left", TKind::Integer, -MaxCoord, MaxCoord},
    {"Top", TKind::Integer, -MaxCoord, MaxCoord},
    {"Width", TKind::Integer, 200, MaxCoord},
    {"Height", TKind::Integer, 150, MaxCoord},
    // 1 and below close the pane (Main_pos) or hide the details (Mapa_pos).
    {"Main_pos", TKind::Integer, 1, MaxCoord},
    {"Mapa_pos", TKind::Integer, 1, MaxCoord},
    {"ColorDept", TKind::Integer, 2, 3, TOutside::Default},
    {"Grid", TKind::Boolean},
    {"RoomCenters", TKind::Boolean},
    {"RoomFill", TKind::Boolean},
    {"Utf8Export", TKind::Boolean},
    {"SentenceDB", TKind::Boolean},
    {"ItemDB", TKind::Boolean},
    // -1: the design width.
    {"SentenceDB/Col0", TKind::Integer, -1, MaxCoord},
    {"SentenceDB/Col1", TKind::Integer, -1, MaxCoord},
    {"SentenceDB/Col2", TKind::Integer, -1, MaxCoord},
    {"SentenceDB/Col3", TKind::Integer, -1, MaxCoord},
    {"SentenceDB/Filename", TKind::Text},
    {"ItemDB/Filename", TKind::Text},
    // 0: the pane's own division.
    {"SentenceDB/sent_position", TKind::Integer, 0, MaxCoord},
    {"SentenceDB/sentDet_position", TKind::Integer, 0, MaxCoord},
    {"ItemDB/item_position", TKind::Integer, 0, MaxCoord},
    {"ItemDB/itemDet_position", TKind::Integer, 0, MaxCoord},
};

const TSettingKey& Key(const QString& name, TKind kind)
{
    const QByteArray wanted = name.toLatin1();
    for (const TSettingKey& key : Keys)
        if (wanted == key.Name && key.Kind == kind)
            return key;
    // A read that is not in the list would take its value unchecked.
    throw std::logic_error("settings key read without a range: " + wanted.toStdString());
}

QString ReadText(const QSettings& reg, const QString& name, const QString& defaultValue)
{
    Key(name, TKind::Text);
    const QVariant v = reg.value(name);
    if (!v.isValid())
        return defaultValue;
    // An INI value edited by hand with a comma in it comes back as a list.
    const QString text = v.metaType().id() == QMetaType::QStringList ? v.toStringList().join(QLatin1Char(','))
                                                                      : v.toString();
    if (text.size() > TSettingsStore::MaxTextLength || text.contains(QChar(0)))
        return defaultValue;
    return text;
}

QString RawText(const QSettings& reg, const QString& name)
{
    const QVariant v = reg.value(name);
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

int ReadInt(const QSettings& reg, const QString& name, int defaultValue)
{
    const TSettingKey& key = Key(name, TKind::Integer);
    const int value = SettingsTextToInt(RawText(reg, name), defaultValue);
    if (value >= key.Min && value <= key.Max)
        return value;
    return key.Outside == TOutside::Clamp ? std::clamp(value, key.Min, key.Max) : defaultValue;
}

bool ReadBool(const QSettings& reg, const QString& name, bool defaultValue)
{
    Key(name, TKind::Boolean);
    return SettingsTextToInt(RawText(reg, name), defaultValue ? 1 : 0) != 0;
}

void WriteInt(QSettings& reg, const QString& name, int value)
{
    reg.setValue(name, QString::number(value));
}

void WriteBool(QSettings& reg, const QString& name, bool value)
{
    reg.setValue(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void WriteColumns(QSettings& reg, const std::vector<int>& widths)
{
    for (size_t i = 0; i < widths.size(); ++i)
        WriteInt(reg, QStringLiteral("Col%1").arg(i), widths[i]);
}

} // namespace

int SettingsTextToInt(const QString& text, int defaultValue)
{
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        const QStringView digits = QStringView(text).mid(2);
        // toUInt would also take a sign or blanks; only plain hex digits count.
        const auto isHex = [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        };
        if (!std::all_of(digits.begin(), digits.end(), isHex))
            return defaultValue;
        const uint value = digits.toUInt(&ok, 16);
        // Eight hex digits wrap into the negative range, as a 32-bit register value would.
        return ok ? static_cast<int>(value) : defaultValue;
    }
    for (QChar c : text)
        if (c.isSpace())
            return defaultValue;
    const int value = text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

TSettingsStore::TSettingsStore() = default;

TSettingsStore::TSettingsStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}

std::unique_ptr<QSettings> TSettingsStore::Open() const
{
    if (m_iniFile.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    return std::make_unique<QSettings>(m_iniFile, QSettings::IniFormat);
}

QString TSettingsStore::Location() const
{
    return Open()->fileName();
}

const std::vector<TSettingKey>& TSettingsStore::ReadKeys()
{
    return Keys;
}

void TSettingsStore::ReadStartup(TProgramSettings& s) const
{
    const TProgramSettings d;
    const auto reg = Open();
    s.FileName = ReadText(*reg, "FileName", d.FileName);
    s.RecentFiles.clear();
    for (int i = 1; i <= RecentKeys; ++i) {
        const QString file = ReadText(*reg, QStringLiteral("Recent%1").arg(i), QString());
        if (!file.isEmpty())
            s.RecentFiles << file;
    }
    s.RecoveryMinutes = ReadInt(*reg, "RecoveryMinutes", d.RecoveryMinutes);
    s.Zoom = ReadInt(*reg, "Zoom", d.Zoom);
    s.Left = ReadInt(*reg, "Left", d.Left);
    s.Top = ReadInt(*reg, "Top", d.Top);
    s.Width = ReadInt(*reg, "Width", d.Width);
    s.Height = ReadInt(*reg, "Height", d.Height);
    s.Main_pos = ReadInt(*reg, "Main_pos", d.Main_pos);
    s.Mapa_pos = ReadInt(*reg, "Mapa_pos", d.Mapa_pos);
    s.ColorDept = ReadInt(*reg, "ColorDept", d.ColorDept);
    s.Grid = ReadBool(*reg, "Grid", d.Grid);
    s.RoomCenters = ReadBool(*reg, "RoomCenters", d.RoomCenters);
    s.RoomFill = ReadBool(*reg, "RoomFill", d.RoomFill);
    s.Utf8Export = ReadBool(*reg, "Utf8Export", d.Utf8Export);
    s.SentenceDB = ReadBool(*reg, "SentenceDB", d.SentenceDB);
    s.SentColumns.assign(TProgramSettings::SentColumnsRead, -1);
    for (int i = 0; i < TProgramSettings::SentColumnsRead; ++i)
        s.SentColumns[i] = ReadInt(*reg, QStringLiteral("SentenceDB/Col%1").arg(i), -1);
    s.ItemDB = ReadBool(*reg, "ItemDB", d.ItemDB);
    s.SentFilename = ReadText(*reg, "SentenceDB/Filename", d.SentFilename);
    s.ItemFilename = ReadText(*reg, "ItemDB/Filename", d.ItemFilename);
}

void TSettingsStore::ReadActivation(TProgramSettings& s) const
{
    const TProgramSettings d;
    const auto reg = Open();
    s.sent_position = ReadInt(*reg, "SentenceDB/sent_position", d.sent_position);
    s.sentDet_position = ReadInt(*reg, "SentenceDB/sentDet_position", d.sentDet_position);
    s.item_position = ReadInt(*reg, "ItemDB/item_position", d.item_position);
    s.itemDet_position = ReadInt(*reg, "ItemDB/itemDet_position", d.itemDet_position);
}

bool TSettingsStore::WriteExit(const TProgramSettings& s) const
{
    const auto reg = Open();
    reg->setValue("FileName", s.FileName);
    for (int i = 1; i <= RecentKeys; ++i) {
        const QString key = QStringLiteral("Recent%1").arg(i);
        if (i <= s.RecentFiles.size())
            reg->setValue(key, s.RecentFiles[i - 1]);
        else
            reg->remove(key);
    }
    WriteInt(*reg, "RecoveryMinutes", s.RecoveryMinutes);
    WriteInt(*reg, "Zoom", s.Zoom);
    WriteInt(*reg, "Left", s.Left);
    WriteInt(*reg, "Top", s.Top);
    WriteInt(*reg, "Width", s.Width);
    WriteInt(*reg, "Height", s.Height);
    WriteBool(*reg, "Maximized", s.Maximized);
    WriteInt(*reg, "Mapa_pos", s.Mapa_pos);
    WriteInt(*reg, "Main_pos", s.Main_pos);
    WriteInt(*reg, "ColorDept", s.ColorDept);
    WriteBool(*reg, "Grid", s.Grid);
    WriteBool(*reg, "RoomCenters", s.RoomCenters);
    WriteBool(*reg, "RoomFill", s.RoomFill);
    WriteBool(*reg, "Utf8Export", s.Utf8Export);
    WriteBool(*reg, "SentenceDB", s.SentenceDB);
    WriteBool(*reg, "ItemDB", s.ItemDB);

    reg->beginGroup(SentenceSection);
    WriteInt(*reg, "sent_position", s.sent_position);
    WriteInt(*reg, "sentDet_position", s.sentDet_position);
    reg->setValue("Filename", s.SentFilename);
    WriteColumns(*reg, s.SentColumns);
    reg->endGroup();

    reg->beginGroup(ItemSection);
    WriteInt(*reg, "item_position", s.item_position);
    WriteInt(*reg, "itemDet_position", s.itemDet_position);
    reg->setValue("Filename", s.ItemFilename);
    WriteColumns(*reg, s.ItemColumns);
    reg->endGroup();

    reg->sync();
    return reg->status() == QSettings::NoError;
}
