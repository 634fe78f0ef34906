#include "statcontrol/batchdialog.h"

#include "ui/blockpaste.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/textconvert.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_analiz2::TfmPeriod_analiz2(const Scheme &scheme, BatchForm &form,
                                     const SchemeForm &choice, common::ReportSink reports,
                                     QWidget *parent)
    : ModalDialog(parent)
    , m_scheme(scheme)
    , m_form(form)
    , m_choice(choice)
    , m_reports(std::move(reports))
    , page(new QTabWidget(this))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QString::fromLatin1(scheme.dialog));
    setWindowTitle(QString::fromUtf8(scheme.caption));
    setHelpContext(41);
    page->setObjectName(QStringLiteral("page"));
    // Every batch's tab in view at once.
    page->setUsesScrollButtons(false);
    page->setElideMode(Qt::ElideNone);
    for (int batch = 1; batch <= scheme.batches; ++batch)
        page->addTab(batchSheet(batch), QStringLiteral("%1-я партия").arg(batch));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmPeriod_analiz2::BitBtn1Click);
    connectCloseButton(BitBtn2);

    // The sample edits in sample order across the tabs, for values pasted as a block.
    QList<QLineEdit *> samples;
    for (int batch = 1; batch <= scheme.batches; ++batch) {
        for (int sample = 1; sample <= scheme.samples; ++sample)
            samples.append(findChild<QLineEdit *>(ui::toQt(sampleEditName(batch, sample))));
    }
    new ui::BlockPaste(samples);
    bindForm(fieldsOf(m_form, m_scheme));
}

// Each sample's edit under its label: six samples in two columns, the odd ones left; three
// samples with the first two side by side and the third centred below.
QWidget *TfmPeriod_analiz2::batchSheet(int batch)
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(batch));
    auto *grid = new QGridLayout(sheet);
    for (int sample = 1; sample <= m_scheme.samples; ++sample) {
        auto *cell = new QVBoxLayout;
        auto *label = new QLabel(ui::toQt(sampleLabel(m_scheme, batch, sample)), sheet);
        QLineEdit *edit = ui::makeEdit(sheet, ui::toQt(sampleEditName(batch, sample)));
        label->setBuddy(edit);
        cell->addWidget(label);
        cell->addWidget(edit);
        const int index = sample - 1;
        if (m_scheme.samples == 3 && sample == 3) {
            auto *centred = new QHBoxLayout;
            centred->addStretch();
            centred->addLayout(cell, 2);
            centred->addStretch();
            grid->addLayout(centred, 1, 0, 1, 2);
        } else {
            grid->addLayout(cell, index / 2, index % 2);
        }
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return sheet;
}

void TfmPeriod_analiz2::activated()
{
    page->setCurrentIndex(m_form.page);
}

void TfmPeriod_analiz2::done(int result)
{
    m_form.page = page->currentIndex();
    ModalDialog::done(result);
}

void TfmPeriod_analiz2::BitBtn1Click()
{
    saveToForm();
    const PeriodResult result = analysedPeriodReport(m_scheme, m_form, m_choice);
    // The tab of the batch where the calculation stopped, or the last one.
    page->setCurrentIndex(m_form.page);
    if (const auto *report = std::get_if<common::Report>(&result))
        m_reports(*report);
    else
        ui::showFailure(this, std::get<common::Failure>(result));
    done(Ok);
}

} // namespace statcontrol
