#pragma once
// The program's own settings between runs (window layout, view switches, zoom, last files),
// kept in the per-user native store under "Kaj Soft" / "Kesterbrandor". The area's options
// travel in the area file, not here.
//
// Every value is stored as text. Sections "SentenceDB" and "ItemDB" are groups of the main
// key, which also holds plain values of the same two names.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QSettings;

struct TProgramSettings {
    // main key
    QString FileName;           // last area file
    QStringList RecentFiles;    // "Recent1".."Recent8": the last area files, most recent first
    int RecoveryMinutes = 2;    // between crash recovery copies; 0: none
    int Zoom = 3;               // item index of the zoom list, 0..7 ("25%".."400%")
    int Left = -1;              // Left and Top both -1: centre the window
    int Top = -1;
    int Width = 736;
    int Height = 595;
    bool Maximized = false;     // written only
    int Main_pos = 1;           // 1 or less: database pane closed
    int Mapa_pos = 1;           // exactly 1: room details hidden
    int ColorDept = 2;          // map picture: 2 = 4 bits, 3 = 8 bits per pixel
    bool Grid = true;
    bool RoomCenters = true;
    bool RoomFill = true;
    bool Utf8Export = false;    // the exports write UTF-8 instead of the area's 8-bit text
    bool SentenceDB = false;    // sentence pane open
    bool ItemDB = false;        // item pane open

    // section "SentenceDB"
    int sent_position = 150;
    int sentDet_position = 169;
    QString SentFilename = QStringLiteral("noname.sdb");
    // Read back for columns 0..3 only; -1 or less keeps the design width. All are written.
    std::vector<int> SentColumns = std::vector<int>(SentColumnsRead, -1);

    // section "ItemDB"
    int item_position = 150;
    int itemDet_position = 169;
    QString ItemFilename = QStringLiteral("noname.idb");
    std::vector<int> ItemColumns; // written only

    static constexpr int SentColumnsRead = 4;
    static constexpr int ZoomItems = 8;
    static constexpr int DefaultZoom = 3;
};

// One value the store reads, with what it accepts. Every read goes through this list, so a
// value from a hand-edited or hostile store never reaches the window unchecked.
struct TSettingKey {
    enum class TKind { Text, Integer, Boolean };
    enum class TOutside { Clamp, Default }; // what an integer outside Min..Max becomes
    const char* Name;                       // "Zoom", "SentenceDB/sent_position"
    TKind Kind;
    int Min = 0;
    int Max = 0;
    TOutside Outside = TOutside::Clamp;
};

// Integer text as the store reads it: missing or empty gives the default; more than two
// characters starting with "0x"/"0X" is hexadecimal; anything else that is not a 32-bit
// integer gives the default.
int SettingsTextToInt(const QString& text, int defaultValue);

class TSettingsStore {
public:
    // The program's per-user store (an INI file under $XDG_CONFIG_HOME on Linux).
    TSettingsStore();
    // An INI file of its own, for tests and tools.
    explicit TSettingsStore(QString iniFile);

    // Start-up pass: everything read at start, including both database file names.
    // The four database splitter values are left as they are.
    void ReadStartup(TProgramSettings& s) const;
    // Activation pass: only the four database splitter values.
    void ReadActivation(TProgramSettings& s) const;
    // Exit pass: every value. False when the store could not be written.
    bool WriteExit(const TProgramSettings& s) const;

    // Every value the read passes take, with its range.
    static const std::vector<TSettingKey>& ReadKeys();
    // Longest text value taken (a path); longer ones, and ones holding NUL, give the default.
    static constexpr int MaxTextLength = 4096;
    // Window coordinates and sizes are taken within this much either way.
    static constexpr int MaxCoordinate = 32767;

    // Where the values live (for messages).
    QString Location() const;

private:
    std::unique_ptr<QSettings> Open() const;

    QString m_iniFile; // empty: the program's native store
};
