#pragma once

#include <QList>
#include <QObject>

class QLineEdit;

namespace ui {

// Lets a block of values pasted into one of a row of edits fill that edit and the following
// ones in order: the values a spreadsheet copies from a column or a row (separated by line
// ends, tabs or semicolons). The block stops at the last edit; values beyond it are dropped. A
// single value pastes as usual. Paste by the keys (Ctrl+V, Shift+Insert) and by the edit's
// context menu.
class BlockPaste : public QObject
{
    Q_OBJECT

public:
    // Parented to the first edit.
    explicit BlockPaste(QList<QLineEdit *> edits);

    // The values of a pasted text: nothing when it holds a single value.
    static QStringList valuesOf(const QString &text);

    // Pastes `text` into `edits[index]` and the ones after it, or as usual when it holds one
    // value.
    void paste(int index, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showContextMenu(int index, QPoint globalPosition);

    QList<QLineEdit *> m_edits;
};

} // namespace ui
