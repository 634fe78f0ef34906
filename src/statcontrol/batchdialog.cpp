#include "statcontrol/batchdialog.h"

#include "statcontrol/core/formfields.h"
#include "ui/blockpaste.h"
#include "ui/dialogparts.h"
#include "ui/textconvert.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_analiz2::TfmPeriod_analiz2(const Scheme &scheme, BatchForm &form,
                                     const SchemeForm &choice, common::ReportSink reports,
                                     QWidget *parent)
    : ModalDialog(fieldsOf(form, scheme), parent)
    , m_scheme(scheme)
    , m_form(form)
    , m_choice(choice)
    , m_reports(std::move(reports))
    , page(new QTabWidget(this))
{
    setObjectName(QString::fromLatin1(scheme.dialog));
    setWindowTitle(QString::fromUtf8(scheme.caption));
    setHelpContext(ui::HelpContext::AnalysedPeriod);
    page->setObjectName(QStringLiteral("page"));
    // Every batch's tab in view at once.
    page->setUsesScrollButtons(false);
    page->setElideMode(Qt::ElideNone);
    // The sample edits in sample order across the tabs, for values pasted as a block.
    QList<QLineEdit *> samples;
    for (int batch = 1; batch <= scheme.batches; ++batch)
        page->addTab(batchSheet(batch, samples), QStringLiteral("%1-я партия").arg(batch));
    new ui::BlockPaste(samples);
    requireEveryField();

    QPushButton *ok = addOkButton("BitBtn1", [this] { return BitBtn1Click(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
}

// Each sample's edit under its label, the next of the form's sample edits: six samples in two
// columns, the odd ones left; three samples with the first two side by side and the third
// centred below them, as wide as they are. Each sample takes two of four equal columns.
QWidget *TfmPeriod_analiz2::batchSheet(int batch, QList<QLineEdit *> &samples)
{
    auto *sheet = new QWidget(page);
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(batch));
    auto *grid = new QGridLayout(sheet);
    for (int column = 0; column < 4; ++column)
        grid->setColumnStretch(column, 1);
    for (int sample = 1; sample <= m_scheme.samples; ++sample) {
        QLineEdit *edit
            = addEdit(describedFields().at(static_cast<std::size_t>(samples.size())).name);
        samples.append(edit);
        auto *label = new QLabel(ui::toQt(sampleLabel(m_scheme, batch, sample)), sheet);
        label->setBuddy(edit);
        auto *cell = new QVBoxLayout;
        cell->addWidget(label);
        cell->addWidget(edit);
        const int index = sample - 1;
        const bool centred = m_scheme.samples == 3 && sample == 3;
        grid->addLayout(cell, index / 2, centred ? 1 : index % 2 * 2, 1, 2);
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

ui::ModalDialog::Outcome TfmPeriod_analiz2::BitBtn1Click()
{
    const PeriodResult result = analysedPeriodReport(m_scheme, m_form, m_choice);
    // The tab of the batch where the calculation stopped, or the last one, before any message.
    page->setCurrentIndex(m_form.page);
    return ui::sendReport(result, m_reports);
}

} // namespace statcontrol
