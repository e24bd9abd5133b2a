#include "widgets/RadioGroup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace vonu {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, Qt::Orientation orientation,
                       QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight
                                                                : QBoxLayout::TopToBottom,
                                  this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        group_->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::count() const
{
    return int(group_->buttons().size());
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
}

QString RadioGroup::itemText(int index) const
{
    QAbstractButton* b = group_->button(index);
    return b ? b->text() : QString();
}

void RadioGroup::setItemText(int index, const QString& text)
{
    if (QAbstractButton* b = group_->button(index))
        b->setText(text);
}

QRadioButton* RadioGroup::item(int index) const
{
    return static_cast<QRadioButton*>(group_->button(index));
}

} // namespace vonu
