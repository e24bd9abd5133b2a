#pragma once
// The legend of the article-numbers grid: which shipping address each
// "Adres" column stands for. Read-only; hides itself when it loses the focus.

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace vonu {

class TVonuOrderArtikelnummerLegendascherm : public QDialog {
    Q_OBJECT
public:
    explicit TVonuOrderArtikelnummerLegendascherm(QWidget* parent = nullptr);

    QTableWidget* verzendadressen() const { return verzendadressen_; }
    QPushButton* okButton() const { return ok_; }
    void addAddress(const QString& code, const QString& searchName);
    // Shows the legend beside its parent with the first address selected.
    void showLegend();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* verzendadressen_;
    QPushButton* ok_;
};

} // namespace vonu
