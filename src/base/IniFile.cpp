#include "base/IniFile.h"

#include "base/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>

namespace vonu {

namespace {

bool isSectionLine(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

// Splits an entry line; comment lines and lines without "=" are not entries.
bool splitEntry(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';'))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value) {
        QString v = t.mid(eq + 1).trimmed();
        // The profile functions drop one pair of enclosing quotes.
        if (v.size() >= 2 && ((v.startsWith(u'"') && v.endsWith(u'"')) ||
                              (v.startsWith(u'\'') && v.endsWith(u'\''))))
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

QString decode(const QByteArray& bytes)
{
    // Files written on the platform the settings come from are in its ANSI
    // code page; ours are UTF-8. Valid UTF-8 wins.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder ansi("windows-1252");
    return ansi(bytes);
}

} // namespace

IniFile IniFile::load(const QString& path, bool* ok, QString* error)
{
    if (ok)
        *ok = true;
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        if (error)
            *error = file.errorString();
        return {};
    }
    return fromText(decode(file.readAll()));
}

IniFile IniFile::fromText(const QString& text)
{
    IniFile ini;
    QString t = text;
    if (t.startsWith(QChar(0xFEFF)))
        t.remove(0, 1);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    ini.lines_ = t.split(u'\n');
    if (!ini.lines_.isEmpty() && ini.lines_.last().isEmpty())
        ini.lines_.removeLast();
    return ini;
}

int IniFile::findSection(const QString& section) const
{
    QString name;
    for (int i = 0; i < lines_.size(); ++i)
        if (isSectionLine(lines_[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < lines_.size() && !isSectionLine(lines_[i]))
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString& key) const
{
    const int end = sectionEnd(sectionLine);
    QString k;
    for (int i = sectionLine + 1; i < end; ++i)
        if (splitEntry(lines_[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const int s = findSection(section);
    if (s < 0)
        return defaultValue;
    const int k = findKey(s, key);
    if (k < 0)
        return defaultValue;
    QString name, v;
    splitEntry(lines_[k], &name, &v);
    return v;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString entry = key + u'=' + value;
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(entry);
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        lines_[k] = entry;
        return;
    }
    // After the last non-blank line of the section, so blank separators stay
    // between sections.
    int insertAt = sectionEnd(s);
    while (insertAt > s + 1 && lines_[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    lines_.insert(insertAt, entry);
}

QString IniFile::toText() const
{
    QString out;
    for (const QString& l : lines_)
        out += l + QStringLiteral("\r\n");
    return out;
}

bool IniFile::save(const QString& path, QString* error) const
{
    return writeFileAtomically(path, toText().toUtf8(), error);
}

} // namespace vonu
