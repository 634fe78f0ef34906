#include "ui/blockpaste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>

#include <algorithm>

namespace ui {

BlockPaste::BlockPaste(QList<QLineEdit *> edits)
    : QObject(edits.value(0))
    , m_edits(std::move(edits))
{
    for (QLineEdit *edit : std::as_const(m_edits))
        edit->installEventFilter(this);
}

QStringList BlockPaste::valuesOf(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("\r\n|[\r\n\t;]"));
    QStringList values = text.split(separators);
    // A copied column ends with a line end: no value after it.
    while (!values.isEmpty() && values.last().trimmed().isEmpty())
        values.removeLast();
    for (QString &value : values)
        value = value.trimmed();
    return values.size() > 1 ? values : QStringList();
}

void BlockPaste::paste(int index, const QString &text)
{
    const QStringList values = valuesOf(text);
    if (values.isEmpty()) {
        m_edits.at(index)->insert(text);
        return;
    }
    for (qsizetype i = 0; i < values.size() && index + i < m_edits.size(); ++i)
        m_edits.at(index + i)->setText(values.at(i));
}

bool BlockPaste::eventFilter(QObject *watched, QEvent *event)
{
    // Compared as objects: an edit being destroyed is no QLineEdit any longer.
    const auto edit = std::find_if(m_edits.cbegin(), m_edits.cend(),
                                   [watched](const QObject *e) { return e == watched; });
    if (edit == m_edits.cend())
        return false;
    const int index = static_cast<int>(edit - m_edits.cbegin());
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        paste(index, QApplication::clipboard()->text());
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        showContextMenu(index, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

// The edit's own menu, its paste going through the block paste.
void BlockPaste::showContextMenu(int index, QPoint globalPosition)
{
    QLineEdit *edit = m_edits.at(index);
    QMenu *menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this, index] { paste(index, QApplication::clipboard()->text()); });
        }
    }
    menu->popup(globalPosition);
}

} // namespace ui
