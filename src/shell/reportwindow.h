#pragma once

#include <QMdiSubWindow>
#include <QStringList>

#include <string>
#include <vector>

class QMenu;
class QPlainTextEdit;

namespace shell {

// TForm1: a report window, the program's only document. A child of the main window's
// multi-document area holding one editable plain-text control, Memo1, whose every shown line is
// one stored line. It closes and deletes itself without a question. A right click in the text
// shows the window's command popup (PopupMenu1) instead of the text control's editing menu.
//
// The lines come back exactly as they were set, so opening and saving a file changes none of
// its bytes. The text control would split a line at a carriage return that has no line feed
// after it, so such a CR is held as a private-use character (U+E00D, shown as an empty box)
// and given back as a CR. Windows-1251 has no such character, so no file brings one, and a
// user cannot type it: what the user types is saved as typed.
class TForm1 : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    QPlainTextEdit *memo() const { return Memo1; }

    // Removes every line.
    void clear();
    // Adds lines at the end, all in one go (UTF-8 core strings).
    void appendLines(const std::vector<std::string> &lines);
    // Replaces the text with lines already decoded (one line per element).
    void setLines(const QStringList &lines);
    // The lines as stored, without line ends; an empty text has no lines.
    QStringList lines() const;

    // The command popup; the window takes ownership.
    void setPopupMenu(QMenu *menu);
    QMenu *popupMenu() const { return PopupMenu1; }

    // How a carriage return inside a line is held in the text control.
    static constexpr QChar carriageReturnSymbol = QChar(0xE00D);

private:
    void showPopupMenu(QPoint position);
    void leaveCloseKeysToTheMainWindow();

    QPlainTextEdit *Memo1;
    QMenu *PopupMenu1 = nullptr;
    // An empty control shows no line and one empty line alike; this tells them apart until
    // the user edits the text.
    bool m_oneEmptyLine = false;
};

} // namespace shell
