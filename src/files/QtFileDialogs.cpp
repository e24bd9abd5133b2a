#include "files/QtFileDialogs.h"

#include <QFileDialog>

namespace vonu {

QString QtFileDialogs::openFile(const QString& caption, const QString& startFolder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, caption, startFolder, filter);
}

} // namespace vonu
