#include "ui/titlebarstyle.h"

#include <QChildEvent>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionTitleBar>

namespace ui {

namespace {

// Sets the style on every child window added to the area's viewport.
class ChildStyler : public QObject
{
public:
    ChildStyler(QMdiArea *area, QStyle *style)
        : QObject(area)
        , m_style(style)
    {
        area->viewport()->installEventFilter(this);
        for (QMdiSubWindow *child : area->subWindowList())
            child->setStyle(m_style);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            auto *child = qobject_cast<QMdiSubWindow *>(static_cast<QChildEvent *>(event)->child());
            if (child)
                child->setStyle(m_style);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QStyle *m_style;
};

} // namespace

TitleBarStyle::Gradient TitleBarStyle::activeGradient()
{
    return {QColor(255, 0, 0), QColor(128, 0, 128), QColor(255, 255, 255)};
}

TitleBarStyle::Gradient TitleBarStyle::inactiveGradient()
{
    return {QColor(0, 0, 255), QColor(254, 127, 254), QColor(212, 208, 200)};
}

TitleBarStyle::TitleBarStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void TitleBarStyle::install(QMdiArea *area)
{
    auto *style = new TitleBarStyle;
    style->setParent(area);
    new ChildStyler(area, style);
}

void TitleBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                       QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
    if (control == CC_TitleBar && bar)
        drawTitleBar(bar, painter, widget);
    else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void TitleBarStyle::drawTitleBar(const QStyleOptionTitleBar *bar, QPainter *painter,
                                 const QWidget *widget) const
{
    const Gradient colours = bar->state & State_Active ? activeGradient() : inactiveGradient();
    painter->save();
    QLinearGradient gradient(bar->rect.topLeft(), bar->rect.topRight());
    gradient.setColorAt(0, colours.left);
    gradient.setColorAt(1, colours.right);
    painter->fillRect(bar->rect, gradient);

    // The base style draws the icon and the buttons only: no fill, no caption.
    QStyleOptionTitleBar rest(*bar);
    rest.text.clear();
    rest.palette.setBrush(QPalette::Window, Qt::transparent);
    rest.palette.setBrush(QPalette::Highlight, Qt::transparent);
    QProxyStyle::drawComplexControl(CC_TitleBar, &rest, painter, widget);

    const QRect label = subControlRect(CC_TitleBar, bar, SC_TitleBarLabel, widget);
    QFont font = painter->font();
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(colours.text);
    const QString caption
        = painter->fontMetrics().elidedText(bar->text, Qt::ElideRight, label.width() - 4);
    painter->drawText(label.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter->restore();
}

} // namespace ui
