#pragma once
// A Windows-style initialisation file (sections in brackets, key=value
// lines), read and written with the semantics of the platform's profile
// functions: section and key names match without regard to case, values are
// plain text (backslashes stay literal), and writing a value leaves every
// other line of the file as it was. QSettings is not used because it escapes
// backslashes and rewrites the whole file in its own layout.

#include <QString>
#include <QStringList>

namespace vonu {

class IniFile {
public:
    // A missing file gives an empty IniFile and ok = true; a file that exists
    // but cannot be read gives ok = false and the reason in *error.
    static IniFile load(const QString& path, bool* ok = nullptr, QString* error = nullptr);
    static IniFile fromText(const QString& text);

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Replaces the key's line in place; a new key goes after the last entry of
    // its section, a new section at the end of the file.
    void setValue(const QString& section, const QString& key, const QString& value);

    QString toText() const;
    // Writes beside the target and renames, so a failed save (a full disk
    // included) keeps the old file; false with a Dutch reason.
    bool save(const QString& path, QString* error = nullptr) const;

private:
    int findSection(const QString& section) const;    // index of the [section] line or -1
    int sectionEnd(int sectionLine) const;            // index past the section's last line
    int findKey(int sectionLine, const QString& key) const;

    QStringList lines_;
};

} // namespace vonu
