#pragma once
// The three description lines of one order line, edited at the order desk.
// Opened for one line and released; every close writes the lines back.

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vonu {

struct Platform;
class OrderModel;

class TVonuOrderOmschrijvingscherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Velden = 3;
    static constexpr int MaxLengte = 40;
    using Regels = std::array<QString, Velden>;
    // The order desk's library of standard texts: the three description
    // lines of the text the user picked, nothing when none was picked.
    using StandaardOmschrijving = std::function<std::optional<Regels>()>;

    explicit TVonuOrderOmschrijvingscherm(Platform& platform, QWidget* parent = nullptr);

    // Field n (1..3) shows the line's `Omschrijving_`n.
    void laad(const OrderModel& order, int line);
    void schrijfTerug(OrderModel& order, int line) const;

    // Opens the screen for `line` modally and writes the lines back.
    static void bewerk(OrderModel& order, int line, Platform& platform,
                       StandaardOmschrijving bron = {}, QWidget* parent = nullptr);

    QLineEdit* omschrijving(int n) const { return velden_.at(std::size_t(n - 1)); }
    QLabel* label(int n) const { return labels_.at(std::size_t(n - 1)); }
    QPushButton* okButton() const { return ok_; }
    QAction* standaardtekstActie() const { return standaardtekst_; }

    // Without a library the menu item is not offered.
    void setStandaardtekst(StandaardOmschrijving bron);
    // Puts the lines of a picked standard text into the empty fields.
    void kiesStandaardtekst();
    // Each non-empty line goes into the first empty field from its own
    // number onward; a line without room is dropped (and warned about).
    // Then the focus goes to the first "_", else past the last field
    // filled; filling field 3 last closes the screen.
    void plaatsRegels(const Regels& regels);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& platform_;
    std::array<QLineEdit*, Velden> velden_{};
    std::array<QLabel*, Velden> labels_{};
    QPushButton* ok_;
    QAction* standaardtekst_;
    StandaardOmschrijving bron_;
};

} // namespace vonu
