#pragma once
// The six line rows over the hundred order lines: scrolling, the current
// line and its highlight, the three panels that follow the current line,
// the product picture held on a row number, and the screen's menu with
// its shortcuts.

#include <QObject>
#include <QPointer>

class QAction;
class QComboBox;
class QMenu;
class QWidget;

namespace vonu {

class TVonuOrderAfbeeldingscherm;
class TVonuOrderscherm;

class LineWindow : public QObject {
    Q_OBJECT
public:
    enum class PictureKind { Regel, Subartikel, Bewerking };

    explicit LineWindow(TVonuOrderscherm& screen);
    ~LineWindow() override;

    // A field of row r (1..6) was entered: it becomes the last active
    // control and its line the current line.
    void enterRow(int r, QWidget* field);
    // A new position of `OrderregelPositie` (current line - 1): the rows
    // move when the line is off screen, and the line becomes current.
    void setPosition(int position);
    // One line further down (Enter on the last field of row 6); false at
    // the maximum.
    bool stepDown();
    // Recomputes the line scroll maximum from the order.
    void updateRange();
    // Fills the sub-article, operation and detail panels for the current
    // line: lists from its catalog article, rows from the tables, each panel
    // shown as the line offers it.
    void refillPanels();
    // Hides and empties the detail panel of the current line.
    void hideDetails();
    void showDetails();

    QWidget* lastActive() const { return lastActive_; }
    void setLastActive(QWidget* control) { lastActive_ = control; }

    // The product picture of line row, sub-article row or operation row n.
    void showPicture(PictureKind kind, int n);
    void hidePicture();
    TVonuOrderAfbeeldingscherm* pictureWindow() const;
    // The folder the pictures come from, with a separator at the end.
    QString pictureFolder() const;

    // The screen's context menu, its entries made available for the
    // current state.
    QMenu* menu();

signals:
    // Order desk: F5 in `Referentie` (standard texts for the reference).
    void standaardtekstRequested();
    // Order desk: Tab in a sub-article or operation row (the sill macro
    // configurator for the last active control).
    void onderdorpelRequested(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyCurrent();
    void focusPanel(int which);
    void enterPanelRow(int which, int n, QWidget* field);
    void updateMenu();
    bool deskPanelRow(QWidget* control) const;

    TVonuOrderscherm& screen_;
    QWidget* lastActive_ = nullptr;
    QPointer<TVonuOrderAfbeeldingscherm> picture_;
    QMenu* menu_ = nullptr;
    QAction* orderregels_ = nullptr;
    QAction* meeleveren_ = nullptr;
    QAction* bewerkingen_ = nullptr;
    QAction* details_ = nullptr;
    QAction* standaardtekst_ = nullptr;
    QAction* onderdorpel_ = nullptr;
};

} // namespace vonu
