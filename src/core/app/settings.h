#pragma once

#include "core/app/settingkey.h"
#include "core/common/colourcode.h"

#include <QString>
#include <QStringList>

#include <array>
#include <variant>

namespace pelinor::core {

/// The main window's stored geometry as edges: right = left + width, bottom = top + height. All four
/// start at -100, which means that no geometry is stored.
struct MainRect {
    int left = -100;
    int top = -100;
    int right = -100;
    int bottom = -100;

    int width() const;
    int height() const;
    friend bool operator==(const MainRect&, const MainRect&) = default;
};

/// The Slavic letter groups of the symbol library, each read from its own symbol database.
enum class LibraryScript { Belarusian, Bulgarian, Macedonian, Serbian };

/// The settings record: one value per key of the settings file, with its defaults, plus the run-time
/// values that live beside the settings but are never stored. It lives for the whole run; the file is
/// read once at start (load) over the defaults and written once at shutdown (save).
class Settings {
public:
    /// A record holding every default.
    Settings();

    /// Gives every key its default and resets the run-time values (script, charset, library table names,
    /// phonetic input area colour, version marker name, discard flag). The start-up keyboard layout is
    /// an observation of the platform, not a default, and is left as it is.
    void setDefaults();

    /// Reads the settings file at `path` over the values held now. A missing file changes nothing; a
    /// value that is missing or unusable falls back as its key's reading rule says. Never throws. Returns
    /// false, with a message in `error`, only when the file exists but cannot be read (unreadable or
    /// larger than kMaxFileBytes); every value is then left as it was.
    bool load(const QString& path, QString* error = nullptr);

    /// Writes all keys, one line each in table order, replacing the file at `path` atomically. The file is
    /// in code page 932 unless some text holds a character that code page lacks; it is then written as
    /// UTF-8 with a byte-order mark so that nothing is lost. Returns false, with a message in `error`,
    /// when the file cannot be written; the old file is then untouched.
    bool save(const QString& path, QString* error = nullptr) const;

    /// The lines save() writes, without line ends.
    QStringList fileLines() const;

    /// Typed access by key. Asking for a key of another type is a programming error (asserted; in release
    /// builds the getter gives a zero value and the setter does nothing). integer(MainWidth) and
    /// integer(MainHeight) give the size of the stored geometry; setting them moves its right or bottom
    /// edge to left + width or top + height.
    int integer(SettingKey key) const;
    void setInteger(SettingKey key, int value);
    QString text(SettingKey key) const;
    void setText(SettingKey key, const QString& value);
    ColourRgb colour(SettingKey key) const;
    void setColour(SettingKey key, ColourRgb colour);
    bool flag(SettingKey key) const;
    void setFlag(SettingKey key, bool on);

    /// The main window's stored geometry.
    MainRect mainRect() const;
    void setMainRect(const MainRect& rect);
    /// Stores the geometry of a window at `left`, `top` of `width` × `height`.
    void setMainGeometry(int left, int top, int width, int height);
    /// True when a position was stored: the left edge is 0 or more.
    bool hasStoredGeometry() const;

    /// Name of the current script ("ロシア語" at start), set with the input mode.
    QString scriptName() const { return m_scriptName; }
    void setScriptName(const QString& name) { m_scriptName = name; }
    /// Word-list direction label with the foreign word first ("露日" at start).
    QString foreignFirstLabel() const { return m_foreignFirstLabel; }
    /// Word-list direction label with Japanese first ("日露" at start).
    QString japaneseFirstLabel() const { return m_japaneseFirstLabel; }
    void setDirectionLabels(const QString& foreignFirst, const QString& japaneseFirst);
    /// Font character set of the current script (204 at start).
    int scriptCharset() const { return m_scriptCharset; }
    void setScriptCharset(int charset) { m_scriptCharset = charset; }

    /// Symbol database file name of a letter group of the symbol library ("DBBela.csv" and so on).
    QString libraryDatabaseName(LibraryScript script) const;
    void setLibraryDatabaseName(LibraryScript script, const QString& fileName);

    /// Background of the phonetic input area: the CandBg default, or CandBg as loaded from the file.
    ColourRgb phoneticAreaColour() const { return m_phoneticAreaColour; }
    void setPhoneticAreaColour(ColourRgb colour) { m_phoneticAreaColour = colour; }

    /// Name of this version's marker file in the system folder.
    QString versionMarkerName() const { return m_versionMarkerName; }
    void setVersionMarkerName(const QString& name) { m_versionMarkerName = name; }

    /// Name of the keyboard layout that was active when the main window was created; empty until set.
    QString startupKeyboardLayout() const { return m_startupKeyboardLayout; }
    void setStartupKeyboardLayout(const QString& layout) { m_startupKeyboardLayout = layout; }

    /// Set by the settings dialog's reset and delete-all commands: the settings are then not written at
    /// shutdown.
    bool discardSettings() const { return m_discardSettings; }
    void setDiscardSettings(bool discard) { m_discardSettings = discard; }

    /// Files larger than this are not settings files and are not read.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

private:
    using Value = std::variant<int, QString, ColourRgb, bool>;

    void applyLoadedValue(const SettingInfo& info, const QString& value);

    // Integers, texts, colours and flags by key; an extent key holds its far edge.
    std::array<Value, kSettingCount> m_values;

    QString m_scriptName;
    QString m_foreignFirstLabel;
    QString m_japaneseFirstLabel;
    int m_scriptCharset = 0;
    std::array<QString, 4> m_libraryDatabases;
    ColourRgb m_phoneticAreaColour;
    QString m_versionMarkerName;
    QString m_startupKeyboardLayout;
    bool m_discardSettings = false;
};

} // namespace pelinor::core
