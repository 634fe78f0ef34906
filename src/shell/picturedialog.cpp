#include "shell/picturedialog.h"

#include "shell/filedialogs.h"
#include "ui/picturecontrol.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QList>
#include <QStringList>

namespace shell {

namespace {

// The filter, written as "label|patterns|label|patterns|…".
QString pictureFilter()
{
    return QStringLiteral("All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|"
                          "Bitmaps (*.bmp)|*.bmp|"
                          "Icons (*.ico)|*.ico|"
                          "Enhanced Metafiles (*.emf)|*.emf|"
                          "Metafiles (*.wmf)|*.wmf");
}

struct FilterEntry
{
    QString label;
    QStringList patterns;
};

QList<FilterEntry> filterEntries(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<FilterEntry> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append({parts.at(i), parts.at(i + 1).split(QLatin1Char(';'))});
    return entries;
}

// Qt reads a filter's patterns from the last parentheses of its name, separated by blanks,
// and with the details hidden shows the name without them: the label stays exactly as
// written.
QStringList qtNameFilters(const QString &filter)
{
    QStringList filters;
    for (const FilterEntry &entry : filterEntries(filter))
        filters.append(entry.label + QStringLiteral(" (") + entry.patterns.join(QLatin1Char(' '))
                       + QLatin1Char(')'));
    return filters;
}

void addPreviewAndReadOnly(QFileDialog *dialog)
{
    auto *layout = qobject_cast<QGridLayout *>(dialog->layout());
    if (!layout)
        return;
    auto *preview = new ui::PicturePreview(dialog);
    preview->setObjectName(QStringLiteral("PicturePreview"));
    layout->addWidget(preview, 1, layout->columnCount(), 1, 1);
    QObject::connect(dialog, &QFileDialog::currentChanged, preview, &ui::PicturePreview::showFile);
    // Shown as the system's dialog shows it; opening a picture never writes to it.
    auto *readOnly = new QCheckBox(QStringLiteral("Только чтение"), dialog);
    readOnly->setObjectName(QStringLiteral("ReadOnlyCheckBox"));
    layout->addWidget(readOnly, layout->rowCount(), 1);
}

} // namespace

QFileDialog *makePictureDialog(QWidget *parent)
{
    QFileDialog *dialog
        = makeFileDialog(parent, QStringLiteral("OpenPictureDialog1"), QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(qtNameFilters(pictureFilter()));
    dialog->setSizeGripEnabled(true);
    addPreviewAndReadOnly(dialog);
    return dialog;
}

} // namespace shell
