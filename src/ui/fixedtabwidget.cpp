#include "ui/fixedtabwidget.h"

#include <QEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

namespace ui {

FixedTabWidget::FixedTabWidget(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

int FixedTabWidget::addTab(QWidget *page, const QString &caption)
{
    m_captions.append(caption);
    const int index = m_stack->addWidget(page);
    layOutTabs();
    updateGeometry();
    return index;
}

int FixedTabWidget::count() const
{
    return m_stack->count();
}

QString FixedTabWidget::tabText(int index) const
{
    return m_captions.value(index);
}

void FixedTabWidget::choosePage(int index)
{
    if (index < 0 || index >= count())
        return;
    m_stack->setCurrentIndex(index);
    layOutTabs();
    update();
}

int FixedTabWidget::currentIndex() const
{
    return m_stack->currentIndex();
}

QWidget *FixedTabWidget::currentWidget() const
{
    return m_stack->currentWidget();
}

QRect FixedTabWidget::tabRect(int index) const
{
    return m_tabRects.value(index);
}

QSize FixedTabWidget::tabSize(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_captions.at(index);
    // As a tab bar measures its tabs: the caption with the style's room around it.
    const int hSpace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vSpace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize contents(fontMetrics().size(Qt::TextShowMnemonic, option.text).width() + hSpace,
                         fontMetrics().height() + vSpace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

int FixedTabWidget::tabHeight() const
{
    int height = 0;
    for (int i = 0; i < m_captions.size(); ++i)
        height = std::max(height, tabSize(i).height());
    return height;
}

QList<QList<int>> FixedTabWidget::rowsFor(int width) const
{
    QList<QList<int>> rows;
    int used = 0;
    for (int i = 0; i < m_captions.size(); ++i) {
        const int w = tabSize(i).width();
        if (rows.isEmpty() || (used + w > width && !rows.last().isEmpty())) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(i);
        used += w;
    }
    return rows;
}

// As wide as the widest page or the widest tab, whichever is more.
int FixedTabWidget::preferredWidth() const
{
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    int width = m_stack->sizeHint().width() + frame;
    for (int i = 0; i < m_captions.size(); ++i)
        width = std::max(width, tabSize(i).width());
    return width;
}

QSize FixedTabWidget::sizeHint() const
{
    const int width = preferredWidth();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int header = static_cast<int>(rowsFor(width).size()) * tabHeight();
    return {width, header + m_stack->sizeHint().height() + frame};
}

QSize FixedTabWidget::minimumSizeHint() const
{
    return sizeHint();
}

// Rows fill the width, each tab widened by an equal share of what its row leaves free; the
// chosen tab's row comes last, next to the page.
void FixedTabWidget::layOutTabs()
{
    m_tabRects = QList<QRect>(m_captions.size());
    QList<QList<int>> rows = rowsFor(std::max(width(), preferredWidth()));
    const auto chosen = std::find_if(rows.begin(), rows.end(), [this](const QList<int> &row) {
        return row.contains(currentIndex());
    });
    if (chosen != rows.end())
        std::rotate(chosen, chosen + 1, rows.end());
    const int height = tabHeight();
    const int rowWidth = width();
    int y = 0;
    for (const QList<int> &row : rows) {
        int natural = 0;
        for (int index : row)
            natural += tabSize(index).width();
        const int spare = std::max(rowWidth - natural, 0);
        int x = 0;
        for (qsizetype k = 0; k < row.size(); ++k) {
            const int extra
                = spare / static_cast<int>(row.size()) + (k < spare % row.size() ? 1 : 0);
            const int w = tabSize(row[k]).width() + extra;
            m_tabRects[row[k]] = QRect(x, y, w, height);
            x += w;
        }
        y += height;
    }
    m_headerHeight = y;
    m_stack->setGeometry(
        rect().adjusted(0, m_headerHeight, 0, 0).marginsRemoved(QMargins(2, 2, 2, 2)));
}

void FixedTabWidget::resizeEvent(QResizeEvent *event)
{
    layOutTabs();
    QWidget::resizeEvent(event);
}

bool FixedTabWidget::event(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        layOutTabs();
        updateGeometry();
    }
    return QWidget::event(event);
}

// The page frame, then each tab inside its own rectangle: the style paints the chosen tab's
// foot, which joins it to the page, as tall as the tab stands below the top of the widget, so
// on a lower row it would run down over the page. The chosen tab overlaps the frame's top edge
// as a tab bar's does, in the page's colour, so that tab and page are one.
void FixedTabWidget::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, std::max(m_headerHeight - overlap, 0), 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);

    for (int i = 0; i < m_captions.size(); ++i) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.shape = QTabBar::RoundedNorth;
        tab.rect = m_tabRects.at(i);
        tab.text = m_captions.at(i);
        tab.position = QStyleOptionTab::Middle;
        tab.features |= QStyleOptionTab::HasFrame;
        if (i == currentIndex())
            tab.state |= QStyle::State_Selected;
        else
            tab.state &= ~QStyle::State_Selected;
        tab.state &= ~QStyle::State_HasFocus;
        painter.save();
        painter.setClipRect(tab.rect);
        painter.drawControl(QStyle::CE_TabBarTab, tab);
        painter.restore();
    }
}

} // namespace ui
