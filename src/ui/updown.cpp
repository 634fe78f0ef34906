#include "ui/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QToolButton *arrow(QWidget *parent, Qt::ArrowType type, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

} // namespace

UpDown::UpDown(QLineEdit *edit, int minimum, int maximum, int position, QWidget *parent)
    : QWidget(parent)
    , m_edit(edit)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_position(position)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton *up = arrow(this, Qt::UpArrow, QStringLiteral("up"));
    QToolButton *down = arrow(this, Qt::DownArrow, QStringLiteral("down"));
    // As high as the edit, each arrow half of it.
    const int height = edit->sizeHint().height();
    up->setFixedSize(height * 3 / 4, height / 2);
    down->setFixedSize(up->width(), height - height / 2);
    setFixedHeight(height);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::stepDown);
    edit->installEventFilter(this);
}

void UpDown::step(int delta)
{
    bool whole = false;
    const int typed = m_edit->text().trimmed().toInt(&whole);
    if (whole && typed >= m_minimum && typed <= m_maximum)
        m_position = typed;
    m_position += delta;
    if (m_position > m_maximum)
        m_position = m_minimum;
    else if (m_position < m_minimum)
        m_position = m_maximum;
    m_edit->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                stepUp();
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                stepDown();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
