#pragma once
// The file dialogs on Qt Widgets.

#include "files/FileDialogs.h"

class QWidget;

namespace vonu {

class QtFileDialogs final : public IFileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    QString openFile(const QString& caption, const QString& startFolder, const QString& filter) override;

private:
    QWidget* parent_;
};

} // namespace vonu
