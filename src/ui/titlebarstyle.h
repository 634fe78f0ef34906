#pragma once

#include <QColor>
#include <QProxyStyle>

class QMdiArea;
class QStyleOptionTitleBar;

namespace ui {

// Title bars of the child windows of a multi-document area painted with colour gradients from
// left to right: the active window red → purple, the others blue → light violet. Everything
// else is drawn by the Fusion style.
class TitleBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    struct Gradient
    {
        QColor left;
        QColor right;
        QColor text;
    };
    static Gradient activeGradient();
    static Gradient inactiveGradient();

    TitleBarStyle();

    // Gives every child window of `area`, present and future, these title bars.
    static void install(QMdiArea *area);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    void drawTitleBar(const QStyleOptionTitleBar *bar, QPainter *painter,
                      const QWidget *widget) const;
};

} // namespace ui
