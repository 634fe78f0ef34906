#pragma once

#include <QString>

class QFileDialog;

namespace ui {

// The file types of the program's picture dialogs (opening a picture, saving the chart).
inline constexpr const char *pictureFileTypes
    = "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
      "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

// Gives the dialog the file types of a filter written "label|patterns|label|patterns|…" (the
// patterns separated by ";"), the one at `selected` chosen. Its list shows each label exactly
// as written.
void setFileTypes(QFileDialog *dialog, const QString &filter, int selected = 0);

} // namespace ui
