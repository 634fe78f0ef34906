#include "shell/reportwindow.h"

#include <QFont>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace shell {

TForm1::TForm1(QWidget *parent)
    : QMdiSubWindow(parent)
    , Memo1(new QPlainTextEdit(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TForm1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    Memo1->setFont(font);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setWordWrapMode(QTextOption::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setUndoRedoEnabled(true);
    setWidget(Memo1);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this, &TForm1::showPopupMenu);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { m_oneEmptyLine = false; });
    leaveCloseKeysToTheMainWindow();
}

// The main window closes its active child with Ctrl+F4 on every platform; the child's own
// close entry keeps showing the keys but does not compete for them.
void TForm1::leaveCloseKeysToTheMainWindow()
{
    if (!systemMenu())
        return;
    for (QAction *entry : systemMenu()->actions()) {
        const QList<QKeySequence> keys = entry->shortcuts();
        if (keys.isEmpty())
            continue;
        entry->setShortcuts({});
        entry->setText(entry->text() + QLatin1Char('\t')
                       + keys.first().toString(QKeySequence::NativeText));
    }
}

void TForm1::clear()
{
    Memo1->clear();
    m_oneEmptyLine = false;
}

void TForm1::appendLines(const std::vector<std::string> &lines)
{
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        text.append(QString::fromStdString(line));
    QStringList all = this->lines();
    all.append(text);
    setLines(all);
}

void TForm1::setLines(const QStringList &lines)
{
    // One setPlainText for the whole text: filling a document line by line is slow.
    QString text = lines.join(QLatin1Char('\n'));
    text.replace(QLatin1Char('\r'), carriageReturnSymbol);
    Memo1->setPlainText(text);
    m_oneEmptyLine = lines.size() == 1 && lines.front().isEmpty();
}

void TForm1::setPopupMenu(QMenu *menu)
{
    delete PopupMenu1;
    PopupMenu1 = menu;
    if (PopupMenu1)
        PopupMenu1->setParent(this, PopupMenu1->windowFlags());
}

void TForm1::showPopupMenu(QPoint position)
{
    // The position is in the coordinates of the text control's viewport.
    if (PopupMenu1)
        PopupMenu1->popup(Memo1->viewport()->mapToGlobal(position));
}

QStringList TForm1::lines() const
{
    const QTextDocument *document = Memo1->document();
    if (document->isEmpty())
        return m_oneEmptyLine ? QStringList {QString()} : QStringList();
    // Block by block: toPlainText() would turn non-breaking spaces into blanks.
    QStringList result;
    result.reserve(document->blockCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QString line = block.text();
        line.replace(carriageReturnSymbol, QLatin1Char('\r'));
        result.append(line);
    }
    return result;
}

} // namespace shell
