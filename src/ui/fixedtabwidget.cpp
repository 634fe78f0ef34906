#include "ui/fixedtabwidget.h"

#include <QSignalBlocker>

namespace ui {

FixedTabWidget::FixedTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &FixedTabWidget::refuseChange);
}

void FixedTabWidget::choosePage(int index)
{
    m_choosing = true;
    setCurrentIndex(index);
    m_choosing = false;
    m_chosen = currentIndex();
}

void FixedTabWidget::refuseChange(int index)
{
    if (m_choosing || index == m_chosen)
        return;
    // The first page added becomes current by itself: that is the chosen one until the
    // program chooses another.
    if (m_chosen < 0) {
        m_chosen = index;
        return;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(m_chosen);
}

} // namespace ui
