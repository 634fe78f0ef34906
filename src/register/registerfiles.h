#pragma once

#include "register/store/store.h"

#include <QString>

class QFileDialog;
class QWidget;

namespace journal {

// What a file command did, for the window's status line (empty: nothing to say).
struct FileOutcome
{
    bool changed = false; // the register has new batches
    QString status;
};

// Asks for a CSV file and imports it, showing the progress: "Отмена" adds nothing; a refused
// file shows its message with every bad line.
FileOutcome importCsvFile(QWidget *parent, QFileDialog *dialog, Store &store);

// Asks for a file and writes the filter's batches to it as CSV, whole or not at all.
FileOutcome exportCsvFile(QWidget *parent, QFileDialog *dialog, const Store &store,
                          const BatchFilter &filter);

// Shows a message of the register over `parent`: its first line as the text, and when it names
// many lines (a refused file), all of them in the details as well.
void showRegisterMessage(QWidget *parent, const QString &message);

} // namespace journal
