#pragma once
// The program's working folder and the files and folders named relative to
// it. Names are written the way the data files' home platform writes them
// ("\Orders", "\..\Assortiment.Xml"); they are turned into native paths here so
// the rest of the program never builds a path by hand.

#include <QString>
#include <QStringList>

namespace vonu {

class WorkingFolder {
public:
    // `folder` is made absolute and clean.
    explicit WorkingFolder(const QString& folder);
    static WorkingFolder current();

    QString path() const { return path_; }

    // A relative name such as "\Orders" or "\..\Assortiment.Xml" as a clean
    // absolute path.
    QString file(const QString& relativeName) const;

    // First file (hidden ones included, folders not) in the folder given by
    // `relativeFolder` ("" for the working folder itself) whose name matches
    // `pattern` ("*.Xml") without regard to case. Names are taken in
    // case-insensitive order so the answer does not depend on the file
    // system. Empty when nothing matches or the folder does not exist.
    QString firstMatch(const QString& pattern, const QString& relativeFolder = QString()) const;

    // True when the folder exists and holds a file matching `pattern`.
    bool holdsMatch(const QString& pattern, const QString& relativeFolder = QString()) const;

    // The customer profile: the first "*.Xml" file whose name begins with one
    // of the figures 1-9. Empty when there is none.
    QString profileFile() const;

    // Creates the relative folders that do not exist yet, in the given order.
    // Returns the relative name of the first one that could not be created,
    // or an empty string when all exist.
    QString createFolders(const QStringList& relativeFolders) const;

    // "\Orders", "\Verzonden", "\Afbeeldingen".
    static QStringList customerFolders();

private:
    QString path_;
};

} // namespace vonu
