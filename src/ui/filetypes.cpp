#include "ui/filetypes.h"

#include <QFileDialog>
#include <QStringList>

namespace ui {

void setFileTypes(QFileDialog *dialog, const QString &filter, int selected)
{
    // Qt reads a filter's patterns from the last parentheses of its name, separated by blanks,
    // and with the details hidden shows the name without them: the label stays as written.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'));
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                       + QLatin1Char(')'));
    }
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.value(selected));
}

} // namespace ui
