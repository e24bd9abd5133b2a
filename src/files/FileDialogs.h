#pragma once
// The file dialogs of the order files, as a seam: the GUI library has the
// real one (QtFileDialogs), tests script the answers.

#include <QString>

namespace vonu {

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // `OpenDialoog`: the chosen file, or empty when the user cancelled.
    // `filter` is in Qt's form ("Xml Bestanden (*.Xml);;Alle bestanden (*.*)").
    virtual QString openFile(const QString& caption, const QString& startFolder, const QString& filter) = 0;
};

} // namespace vonu
