#pragma once
// The small dialog in which the order desk types or scans the EAN code of a
// product: the manufacturer's prefix comes pre-filled, Enter takes the code,
// Escape cancels.

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace vonu {

class TVonuOrderEANInvoerscherm : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxLengte = 13;

    explicit TVonuOrderEANInvoerscherm(const QString& voorvoegsel, QWidget* parent = nullptr);

    // Shows the dialog modally with `voorvoegsel` (the constants row's
    // `EAN_leverancier`) in the field: the trimmed code, or nothing when it
    // was cancelled.
    static std::optional<QString> vraag(const QString& voorvoegsel, QWidget* parent = nullptr);

    QLineEdit* ean() const { return ean_; }
    QLabel* label() const { return label_; }
    // Escape: the field is disabled, which tells the caller nothing was
    // entered, and the dialog closes.
    void annuleren();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    QLineEdit* ean_;
};

} // namespace vonu
