#include "ui/dockablemenubar.h"

#include <QToolBar>

namespace ui {

DockableMenuBar::DockableMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
    setNativeMenuBar(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize DockableMenuBar::sizeHint() const
{
    const QSize full = QMenuBar::sizeHint();
    const auto *carrier = qobject_cast<const QToolBar *>(parentWidget());
    if (carrier && carrier->isFloating())
        return full;
    return {minimumSizeHint().width(), full.height()};
}

void DockableMenuBar::carrierChanged()
{
    updateGeometry();
    if (auto *carrier = qobject_cast<QToolBar *>(parentWidget()))
        carrier->adjustSize();
}

} // namespace ui
