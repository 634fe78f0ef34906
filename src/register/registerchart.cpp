#include "register/registerchart.h"

#include "common/prompter.h"
#include "register/compactrows.h"
#include "ui/textconvert.h"

#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace journal {

namespace {

QTableWidget *makeBatchTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableWidget(0, 4, parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({QStringLiteral("Дата"), QStringLiteral("Партия"),
                                      QStringLiteral("Завод"), QStringLiteral("Среднее, МПа")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    makeRowsCompact(table);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

QGroupBox *framed(QWidget *parent, const QString &caption, QWidget *inside)
{
    auto *group = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(inside);
    return group;
}

void fillTable(QTableWidget *table, const std::vector<ChartBatch> &batches, Zone zone)
{
    table->setRowCount(0);
    for (const ChartBatch &batch : batches) {
        if (batch.zone != zone)
            continue;
        const int row = table->rowCount();
        table->insertRow(row);
        const QStringList cells {ui::toQt(batch.batch.date.russian()), ui::toQt(batch.batch.label),
                                 ui::toQt(batch.batch.plant), ui::toQt(batch.strength)};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

} // namespace

TfmRegisterChart::TfmRegisterChart(QWidget *parent)
    : QDialog(parent)
    , m_view(new QChartView(m_drawing.chart(), this))
    , m_limits(new QLabel(this))
    , sgWarning(makeBatchTable(this, QStringLiteral("sgWarning")))
    , sgCorrection(makeBatchTable(this, QStringLiteral("sgCorrection")))
{
    setObjectName(QStringLiteral("TfmRegisterChart"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_view->setObjectName(QStringLiteral("Chart1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(400, 250);
    m_limits->setObjectName(QStringLiteral("lbLimits"));
    m_limits->setWordWrap(true);

    auto *lists = new QHBoxLayout;
    lists->addWidget(framed(this, QStringLiteral("За предупредительными границами"), sgWarning));
    lists->addWidget(framed(this, QStringLiteral("За границами регулирования"), sgCorrection));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 3);
    layout->addWidget(m_limits);
    layout->addLayout(lists, 1);
    resize(820, 680);
}

std::optional<std::string> TfmRegisterChart::showChart(const ControlChartInputs &inputs,
                                                       const QString &caption)
{
    setWindowTitle(caption);
    statcontrol::ControlChart content = statcontrol::emptyControlChart();
    common::ImmediatePrompter prompter({}, inputs.strengths());
    const auto failure = statcontrol::fillControlChart(content, inputs.form, prompter);
    m_drawing.show(content);
    const statcontrol::ControlForm &form = inputs.form;
    m_limits->setText(QStringLiteral("Средний уровень %1 МПа; предупредительные границы %2 и %3 "
                                     "МПа; границы регулирования %4 и %5 МПа; партий: %6.")
                          .arg(ui::toQt(form.edRy), ui::toQt(form.edRpr2), ui::toQt(form.edRpr1),
                               ui::toQt(form.edRcor2), ui::toQt(form.edRcor1),
                               ui::toQt(form.edCountParty)));
    fillTable(sgWarning, inputs.batches, Zone::BeyondWarning);
    fillTable(sgCorrection, inputs.batches, Zone::BeyondCorrection);
    QDialog::show();
    raise();
    activateWindow();
    if (failure)
        return failure->message;
    return std::nullopt;
}

} // namespace journal
