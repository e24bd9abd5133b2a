#pragma once
// A captioned group of mutually exclusive choices addressed by index, as the
// screens' "choice" fields are (transaction type, call-off contracts, extra
// freight).

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace vonu {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, Qt::Orientation orientation,
               QWidget* parent = nullptr);

    int count() const;
    // -1 when nothing is chosen.
    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;
    void setItemText(int index, const QString& text);
    QRadioButton* item(int index) const;

signals:
    // The user clicked item `index`.
    void clicked(int index);

private:
    QButtonGroup* group_;
};

} // namespace vonu
