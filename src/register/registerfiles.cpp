#include "register/registerfiles.h"

#include "ui/filedialogs.h"
#include "ui/textconvert.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>

namespace journal {

namespace {

// The lines of a message shown in the box itself; the rest go to the details.
constexpr int linesShown = 12;

} // namespace

void showRegisterMessage(QWidget *parent, const QString &message)
{
    const QStringList lines = message.split(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    lines.mid(0, linesShown).join(QLatin1Char('\n')), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("RegisterMessage"));
    if (lines.size() > linesShown) {
        box.setInformativeText(
            QStringLiteral("… и ещё строк: %1 (см. подробности)").arg(lines.size() - linesShown));
        box.setDetailedText(message);
    }
    box.exec();
}

FileOutcome importCsvFile(QWidget *parent, QFileDialog *dialog, Store &store)
{
    const QString path = ui::chosenFile(dialog);
    if (path.isEmpty())
        return {};
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        showRegisterMessage(
            parent,
            QStringLiteral("Не удалось открыть файл %1: %2.").arg(path, file.errorString()));
        return {};
    }
    file.close();

    QProgressDialog progress(
        QStringLiteral("Загрузка партий из %1…").arg(QDir::toNativeSeparators(path)),
        QStringLiteral("Отмена"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("ImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto result = store.importCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        [&progress](std::size_t done, std::size_t total) {
            progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
    progress.reset();
    if (const auto *failure = std::get_if<common::Failure>(&result)) {
        if (failure->kind == common::Failure::Kind::Cancelled)
            return {false, ui::toQt(failure->message)};
        showRegisterMessage(parent, ui::toQt(failure->message));
        return {};
    }
    const ImportSummary &summary = std::get<ImportSummary>(result);
    return {summary.batches > 0, QStringLiteral("Загружено партий: %1, выборок: %2.")
                                     .arg(summary.batches)
                                     .arg(summary.samples)};
}

FileOutcome exportCsvFile(QWidget *parent, QFileDialog *dialog, const Store &store,
                          const BatchFilter &filter)
{
    dialog->selectFile(QDir::current().filePath(QStringLiteral("loviz-register.csv")));
    const QString path = ui::chosenFile(dialog);
    if (path.isEmpty())
        return {};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        showRegisterMessage(
            parent,
            QStringLiteral("Не удалось записать файл %1: %2.").arg(path, file.errorString()));
        return {};
    }
    const auto written = store.exportCsv(filter, [&file](std::string_view piece) {
        return file.write(piece.data(), static_cast<qint64>(piece.size()))
               == static_cast<qint64>(piece.size());
    });
    if (const auto *failure = std::get_if<common::Failure>(&written)) {
        file.cancelWriting();
        showRegisterMessage(parent, ui::toQt(failure->message));
        return {};
    }
    if (!file.commit()) {
        showRegisterMessage(
            parent,
            QStringLiteral("Не удалось записать файл %1: %2.").arg(path, file.errorString()));
        return {};
    }
    return {false, QStringLiteral("Выгружено партий: %1 в %2.")
                       .arg(std::get<std::size_t>(written))
                       .arg(QDir::toNativeSeparators(path))};
}

} // namespace journal
