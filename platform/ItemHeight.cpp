#include "ItemHeight.h"

#include <QComboBox>
#include <QStyledItemDelegate>

namespace {

class FixedItemHeight : public QStyledItemDelegate
{
public:
    FixedItemHeight(int height, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_height(height)
    { }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), m_height };
    }

private:
    int m_height;
};

} // namespace

void setItemHeight(QComboBox *list, int height)
{
    list->setItemDelegate(new FixedItemHeight(height, list));
}
