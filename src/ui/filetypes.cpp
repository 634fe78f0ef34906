#include "ui/filetypes.h"

#include <QComboBox>
#include <QFileDialog>

namespace ui {

void setFileTypes(QFileDialog *dialog, const QList<FileType> &types, int selected)
{
    QStringList filters;
    for (qsizetype i = 0; i < types.size(); ++i)
        filters.append(QStringLiteral("%1 (%2)").arg(i).arg(types.at(i).patterns));
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.value(selected));
    // The dialog filters by the position in its list; the texts are for the user.
    if (auto *list = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        for (qsizetype i = 0; i < types.size() && i < list->count(); ++i)
            list->setItemText(static_cast<int>(i), types.at(i).description);
    }
}

} // namespace ui
