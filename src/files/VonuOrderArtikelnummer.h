#pragma once
// The article-numbers screen: the grid `Artikel` with the customer's own
// numbers per catalog article, for all addresses and per shipping address.

#include "files/ArtikelnummerGrid.h"

#include <QDialog>

class QPushButton;
class QStatusBar;
class QTableWidget;

namespace vonu {

class TVonuOrderArtikelnummerLegendascherm;

class TVonuOrderArtikelnummerscherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxNummer = 17;  // characters of a cell

    TVonuOrderArtikelnummerscherm(TVonuOrderArtikelnummerLegendascherm& legend, QWidget* parent = nullptr);

    QTableWidget* artikel() const { return artikel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* legendaButton() const { return legenda_; }
    QStatusBar* statusBar() const { return status_; }

    // Fills the grid: row 0 holds the headers, rows from 1 the articles.
    void setGrid(const ArtikelnummerGrid& grid);
    // The numbers as they are now in the grid.
    ArtikelnummerGrid grid() const;
    // Typing marks the screen changed through its caption.
    bool isChanged() const;
    void markChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TVonuOrderArtikelnummerLegendascherm& legend_;
    QTableWidget* artikel_;
    QPushButton* ok_;
    QPushButton* legenda_;
    QStatusBar* status_;
    ArtikelnummerGrid grid_;
};

} // namespace vonu
