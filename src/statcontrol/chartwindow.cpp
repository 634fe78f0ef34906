#include "statcontrol/chartwindow.h"

#include "common/wholefile.h"
#include "statcontrol/batchprompt.h"
#include "statcontrol/chart/chartpicture.h"
#include "ui/dialogparts.h"
#include "ui/filedialogs.h"
#include "ui/filetypes.h"
#include "ui/textconvert.h"

#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace statcontrol {

namespace {

QFileDialog *makeSaveDialog(QWidget *parent)
{
    QFileDialog *dialog
        = ui::makeFileDialog(parent, QStringLiteral("SavePictureDialog1"), QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("emf"));
    // Enhanced metafiles chosen at first.
    ui::setFileTypes(dialog, QString::fromUtf8(ui::pictureFileTypes), 3);
    return dialog;
}

} // namespace

TfmPeriod_Control2::TfmPeriod_Control2(const ControlForm &form, TfmPeriod_Control3 *prompt,
                                       QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , m_prompter(this)
    , m_view(new QChartView(m_drawing.chart(), this))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Сохранить...")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Close")))
    , SavePictureDialog1(makeSaveDialog(this))
{
    setObjectName(QStringLiteral("TfmPeriod_Control2"));
    setWindowTitle(
        QStringLiteral("Проводится стат. контроль прочности бетона. Контролируемый период"));
    setHelpContext(ui::HelpContext::ControlledPeriod);
    setResizable(true);
    m_prompter.setAsker([prompt](const std::string &text) { return prompt->ask(text); });
    m_view->setObjectName(QStringLiteral("Chart1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(400, 250);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));
    resize(720, 520);

    setOkButton(BitBtn1);
    connectHandler(BitBtn1, [this] { return BitBtn1Click(); });
    connectCloseButton(BitBtn2);
}

// Once per opening, as soon as the window is up and before the user can act on it.
void TfmPeriod_Control2::activated()
{
    QTimer::singleShot(0, this, &TfmPeriod_Control2::fill);
}

void TfmPeriod_Control2::fill()
{
    ControlChart content = chart();
    const auto failure = fillControlChart(content, m_form, m_prompter);
    m_drawing.show(content);
    if (failure)
        ui::showFailure(this, *failure);
}

QByteArray TfmPeriod_Control2::metafile() const
{
    QChart *chartItem = m_drawing.chart();
    return chartPicture(*m_view->scene(), chartItem->sceneBoundingRect(),
                        chartItem->size().toSize(), ChartFileFormat::Emf);
}

ui::ModalDialog::Outcome TfmPeriod_Control2::BitBtn1Click()
{
    // The offered name, in the current folder, at every showing.
    SavePictureDialog1->selectFile(QDir::current().filePath(QStringLiteral("mychart.wmf")));
    if (SavePictureDialog1->exec() != QDialog::Accepted)
        return {};
    const QString path = SavePictureDialog1->selectedFiles().value(0);
    const auto reason
        = common::writeWholeFile(QFile::encodeName(path).toStdString(), metafile().toStdString());
    if (!reason)
        return {};
    return Outcome(
        common::Failure {common::Failure::Kind::Io,
                         ui::fromQt(QStringLiteral("Не удалось сохранить рисунок в файл %1: %2.")
                                        .arg(path, QString::fromLocal8Bit(reason->c_str())))});
}

} // namespace statcontrol
