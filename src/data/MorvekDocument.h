#pragma once
// One XML document of the Morvek vocabulary (profile, catalog, order file or
// article numbers), held in memory by pugixml.
//
// Loading is all-or-nothing: a file that cannot be read, is not well-formed,
// has a root other than `Morvek` or uses an unknown character set leaves the
// document empty (inactive) with a Dutch error text, so nothing of a broken
// file is ever used. Files from the manufacturer come as UTF-8 (with or
// without byte-order mark), UTF-16 with a mark, or declare ISO-8859-1 /
// windows-1252; they are all read to the same UTF-8 tree.
//
// Writing produces `<?xml version="1.0"?>` (no encoding, so UTF-8), no
// indentation, and replaces the target file atomically.

#include "data/MorvekXML.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <memory>

namespace vonu {

class MorvekDocument {
public:
    MorvekDocument();
    ~MorvekDocument();
    MorvekDocument(MorvekDocument&&) noexcept;
    MorvekDocument& operator=(MorvekDocument&&) noexcept;

    // A new in-memory document with an empty root `Morvek`.
    static MorvekDocument NewMorvek();

    // Files beyond these are refused before they are parsed.
    static constexpr qint64 MaxFileBytes = qint64(32) << 20;
    static constexpr qint64 MaxMarkup = 2'000'000;  // "<" characters, each a possible node

    // Each returns false and sets errorText() on failure (a file beyond the
    // limits above, or memory running out while loading, included); the
    // document is then empty. loadFile also sets fileName().
    bool loadFile(const QString& path);
    bool loadText(const QString& xml);
    bool loadBytes(QByteArray bytes);

    bool isActive() const;
    void clear();

    // The typed root; a null handle (every read empty) when not active.
    TXMLMorvek GetMorvek() const;
    // The XML text of the root element (no declaration, no indentation).
    QString rootXml() const;
    // The whole document as written to a file, declaration included.
    QByteArray toBytes() const;

    // Writes the document to path through a temporary file beside it and a
    // rename; on failure the old file stays and errorText() says why.
    bool save(const QString& path);

    QString fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }
    QString errorText() const { return error_; }

private:
    bool fail(const QString& text);
    bool loadFileUnguarded(const QString& path);
    bool loadBytesUnguarded(QByteArray bytes);
    bool loadTextUnguarded(const QString& xml);
    bool parseOwnedBuffer(void* buffer, size_t size, int encoding);

    std::unique_ptr<pugi::xml_document> doc_;
    QString fileName_;
    QString error_;
    int lastStatus_ = 0;        // pugixml status of the last failed parse
    ptrdiff_t lastOffset_ = 0;  // and where it stopped
};

// The character set a file declares in its XML declaration ("" when it
// declares none), lower-cased; exposed for tests.
QByteArray declaredEncoding(const QByteArray& head);

} // namespace vonu
