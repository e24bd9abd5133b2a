#include "order/RowView.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace vonu {

namespace {

const char* const NietInAssortiment = "Niet in het assortiment";

} // namespace

void showStored(QComboBox* box, const QString& stored)
{
    const QString wanted = stored.trimmed();
    int index = -1;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).trimmed() == wanted) {
            index = i;
            break;
        }
    if (index < 0 && !wanted.isEmpty()) {
        box->setCurrentIndex(-1);
        box->setPlaceholderText(stored);
        box->setToolTip(QString::fromUtf8(NietInAssortiment));
        return;
    }
    if (!box->placeholderText().isEmpty()) {
        box->setPlaceholderText(QString());
        box->setToolTip(QString());
    }
    box->setCurrentIndex(index >= 0 ? index : (box->count() > 0 ? 0 : -1));
}

bool showsUnlisted(const QComboBox* box)
{
    return box->currentIndex() < 0 && !box->placeholderText().isEmpty();
}

QString shownValue(const QComboBox* box)
{
    return showsUnlisted(box) ? box->placeholderText() : box->currentText();
}

void setTextWhole(QLineEdit* edit, const QString& text, int limit)
{
    edit->setMaxLength(std::max<int>(limit, int(text.size())));
    edit->setText(text);
}

} // namespace vonu
