#pragma once
// The catalog's general delivery information, shown read-only.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vonu {

class Catalog;

class TVonuOrderLeveringscherm : public QDialog {
    Q_OBJECT
public:
    explicit TVonuOrderLeveringscherm(const QString& informatie, QWidget* parent = nullptr);

    // Shows the catalog's `LeveringsInformatie` modally.
    static void toon(const Catalog& catalog, QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return memo_; }
    QPushButton* okButton() const { return ok_; }

private:
    QPlainTextEdit* memo_;
    QPushButton* ok_;
};

} // namespace vonu
