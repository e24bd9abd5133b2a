#pragma once
// The one message box of the program: a caption, ten text lines and up to
// four buttons, laid out by how many of them are used.

#include "base/Platform.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace vonu {

class TMelding final : public QDialog {
    Q_OBJECT
public:
    static constexpr int LineCount = 10;
    static constexpr int ButtonCount = 4;
    static constexpr int InitialClientWidth = 295;
    static constexpr int InitialClientHeight = 165;

    explicit TMelding(QWidget* parent = nullptr);

    QLabel* tekst(int index) const { return tekst_.at(size_t(index)); }          // Tekst0 .. Tekst9
    QPushButton* knop(int number) const { return knop_.at(size_t(number - 1)); } // Knop1 .. Knop4
    QLabel* icon() const { return icon_; }

    // Shows the used buttons, places them, and shrinks the dialog for unused
    // trailing lines. Runs on every show; calling it again gives the same
    // layout.
    void prepare();

    // The button pressed, 1..4, or 0 when the dialog closed without one. A
    // pressed button is the disabled one.
    int pressedButton() const;

    // The dialog's outer height the layout figures are counted in (client
    // area plus a standard dialog frame), whatever frame the platform draws.
    int dialogHeight() const;

    // Fills caption, lines (Tekst0 upwards) and button captions (Knop1
    // upwards); items beyond ten lines or four buttons have no place.
    void fill(const MessageRequest& request);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buttonPressed(QPushButton* button);

    QLabel* icon_ = nullptr;
    std::array<QLabel*, LineCount> tekst_{};
    std::array<QPushButton*, ButtonCount> knop_{};

    void fitTextFont();
    // The client width: the fixed width, or wider when a line cannot be
    // shown whole in it at the smallest font size.
    int clientWidth() const;
};

// The message dialog seam as the program uses it: a fresh TMelding per
// message, shown modally, pressed button read before it is released.
class MeldingMessageDialog final : public IMessageDialog {
public:
    explicit MeldingMessageDialog(QWidget* parent = nullptr) : parent_(parent) {}
    int show(const MessageRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace vonu
