#pragma once

#include "common/BoundedFile.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// An INI file with the semantics of the Windows private-profile calls that
// league files and TN98.INI were written with:
// - section and key lookup ignores case; the first matching section and the
//   first matching key in it win;
// - a new section is appended at the end of the file, a new key after the
//   last entry of its section, so a new file lists everything in the order
//   it was first written;
// - writing an existing key replaces its value in place and keeps the key's
//   spelling; every other line of the file (foreign sections and keys,
//   comments, blank lines) is kept as it was;
// - the file is Windows-1252 text and is written with CR LF line ends.
//
// All reads and writes work on memory; save() writes the whole file at once
// through a temporary file in the same folder, so a failed save leaves the
// old file as it was.
class IniFile {
public:
    IniFile() = default;
    // Loads the file when it exists and can be read; otherwise starts empty,
    // so every read gives its default. Only a regular file of at most
    // kMaxFileBytes is read; anything else is refused without reading it
    // (see loadStatus()).
    explicit IniFile(const QString &path);

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    // True when the constructor found and read the file.
    bool wasLoaded() const { return m_loaded; }
    // Why the constructor read nothing: Missing or OpenFailed for a file
    // that is absent or cannot be read, NotRegular or TooLarge for one that
    // was refused. A refused file is never replaced by save(), which could
    // only write the entries of this object and would lose all the others.
    BoundedFile::Status loadStatus() const { return m_status; }
    bool wasRefused() const
    {
        return m_status == BoundedFile::Status::NotRegular || m_status == BoundedFile::Status::TooLarge;
    }
    // "Datei <path> kann nicht geöffnet werden: größer als 16 MB" for a
    // refused file, empty otherwise.
    QString refusalMessage() const;

    // Integers: at most 1023 characters of the value are read. "0x"/"0X"
    // followed by at least one more character is hexadecimal; anything else
    // must be a decimal integer (optional sign). A missing key, an empty
    // value or text that is not a valid 32-bit integer gives def.
    int readInteger(const QString &section, const QString &key, int def) const;
    // A boolean is an integer with default 1/0; anything but 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // The value as written, at most 1023 characters; def when the key is missing.
    QString readString(const QString &section, const QString &key, const QString &def) const;

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    // Section names in file order; key names of one section in file order.
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    // Line breaks inside the value would split the entry into foreign lines,
    // so they are written as spaces.
    void writeString(const QString &section, const QString &key, const QString &value);

    // Drops every section of that name (ignoring case) with all its lines.
    void removeSection(const QString &section);
    // Drops every line of the key from the first section of that name.
    void removeKey(const QString &section, const QString &key);

    // Writes the whole file to path() atomically. On failure the old file is
    // untouched and *error (when given) holds "Kann nicht nach <path> schreiben".
    bool save(QString *error = nullptr) const;

    QByteArray toBytes() const;
    void fromBytes(const QByteArray &bytes);

    static constexpr int kMaxValueLength = 1023;
    // A league file is some 35 KB; no file the program writes comes near this.
    static constexpr qint64 kMaxFileBytes = 16 * BoundedFile::kMiB;

private:
    // A section or key name as a lookup key: names that are equal ignoring
    // case are the same key, and no folded copy is built for a lookup.
    struct Name {
        QString text;
        static bool equal(const Name &a, const Name &b) noexcept;
        static size_t hash(const Name &n, size_t seed) noexcept;
        friend bool operator==(const Name &a, const Name &b) noexcept { return equal(a, b); }
        friend size_t qHash(const Name &n, size_t seed) noexcept { return hash(n, seed); }
    };

    struct Section {
        QString name;
        bool hasHeader = true; // false only for lines before the first header
        QString header;        // the header line as found, written back unchanged
        QStringList lines;     // raw lines after the header, without line ends
        // Key -> index of its first line in lines. A league file has some
        // 1,500 keys and each is read and written several times, so lookups
        // must not scan and split every line.
        QHash<Name, qsizetype> keyLines;

        void addLine(const QString &line);
        void insertLine(qsizetype at, const QString &line);
        void reindex();
    };

    void reindexSections();
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    // Index of the key's line in the section, or -1.
    static int findKey(const Section &s, const QString &key);
    // Splits "key=value"; false for lines without a key.
    static bool splitEntry(const QString &line, QString *key, QString *value);
    std::optional<QString> rawValue(const QString &section, const QString &key) const;

    QString m_path;
    bool m_loaded = false;
    BoundedFile::Status m_status = BoundedFile::Status::Missing;
    std::vector<Section> m_sections;
    // Name -> index of the first section with a header of that name.
    QHash<Name, std::size_t> m_sectionIndex;
};
