#include "register/registerbatchdialog.h"

#include "register/compactrows.h"
#include "ui/blockpaste.h"
#include "ui/dialogparts.h"
#include "ui/textconvert.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace journal {

namespace {

// The empty rows a new batch starts with: one for each sample of the larger scheme.
constexpr int rowsOfNewBatch = 6;

bool isEmptyRow(const QTableWidget *table, int row)
{
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->item(row, column);
        if (item && !item->text().trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

TfmRegisterBatch::TfmRegisterBatch(BatchEditForm &form, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
    , m_form(form)
    , sgSamples(new QTableWidget(0, 2, this))
{
    setObjectName(QStringLiteral("TfmRegisterBatch"));
    setResizable(true);
    sgSamples->setObjectName(QStringLiteral("sgSamples"));
    sgSamples->setHorizontalHeaderLabels(
        {QStringLiteral("Прочность, МПа"), QStringLiteral("Возраст, сут")});
    sgSamples->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgSamples->installEventFilter(this);
    makeRowsCompact(sgSamples);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(ui::editRows({{"Дата (ДД.ММ.ГГГГ):", addEdit("edDate")},
                                    {"Класс бетона, В:", addEdit("edClass")},
                                    {"Партия:", addEdit("edLabel")},
                                    {"Завод (линия):", addEdit("edPlant")},
                                    {"Примечание:", addEdit("edNote")}}));
    layout->addWidget(new QLabel(
        QStringLiteral("Выборки (пустой возраст — 28 сут; Ctrl+V добавляет столбец значений):"),
        this));
    layout->addWidget(sgSamples, 1);

    auto *rowButtons = new QHBoxLayout;
    QPushButton *addRow
        = ui::makeButton(this, QStringLiteral("btnAddSample"), QStringLiteral("Добавить выборку"));
    QPushButton *removeRow = ui::makeButton(this, QStringLiteral("btnDeleteSample"),
                                            QStringLiteral("Удалить выборку"));
    rowButtons->addWidget(addRow);
    rowButtons->addWidget(removeRow);
    rowButtons->addStretch();
    layout->addLayout(rowButtons);
    connect(addRow, &QPushButton::clicked, this, [this] {
        addSampleRow({});
        sgSamples->setCurrentCell(sgSamples->rowCount() - 1, 0);
    });
    connect(removeRow, &QPushButton::clicked, this, [this] {
        if (sgSamples->currentRow() >= 0)
            sgSamples->removeRow(sgSamples->currentRow());
    });

    QPushButton *ok = addOkButton("btnOk", [this] { return btnOkClick(); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("btnCancel", QStringLiteral("Отмена"))));
    requireEveryField();
    resize(420, 520);
}

int TfmRegisterBatch::edit(const BatchEditForm &form, const QString &caption, Save save)
{
    m_form = form;
    m_save = std::move(save);
    setWindowTitle(caption);
    return exec();
}

void TfmRegisterBatch::activated()
{
    sgSamples->setRowCount(0);
    for (const SampleTexts &texts : m_form.samples)
        addSampleRow(texts);
    while (sgSamples->rowCount() < rowsOfNewBatch && m_form.samples.empty())
        addSampleRow({});
}

void TfmRegisterBatch::addSampleRow(const SampleTexts &texts)
{
    const int row = sgSamples->rowCount();
    sgSamples->insertRow(row);
    sgSamples->setItem(row, 0, new QTableWidgetItem(ui::toQt(texts.strength)));
    sgSamples->setItem(row, 1, new QTableWidgetItem(ui::toQt(texts.age)));
}

void TfmRegisterBatch::readSamples()
{
    m_form.samples.clear();
    for (int row = 0; row < sgSamples->rowCount(); ++row) {
        SampleTexts texts;
        if (const QTableWidgetItem *item = sgSamples->item(row, 0))
            texts.strength = ui::fromQt(item->text());
        if (const QTableWidgetItem *item = sgSamples->item(row, 1))
            texts.age = ui::fromQt(item->text());
        m_form.samples.push_back(std::move(texts));
    }
}

void TfmRegisterBatch::pasteSamples(const QString &text)
{
    QStringList values = ui::BlockPaste::valuesOf(text);
    if (values.isEmpty() && !text.trimmed().isEmpty())
        values = {text.trimmed()};
    if (values.isEmpty())
        return;
    while (sgSamples->rowCount() > 0 && isEmptyRow(sgSamples, sgSamples->rowCount() - 1))
        sgSamples->removeRow(sgSamples->rowCount() - 1);
    for (const QString &value : std::as_const(values))
        addSampleRow({ui::fromQt(value), {}});
    sgSamples->setCurrentCell(sgSamples->rowCount() - 1, 0);
}

ui::ModalDialog::Outcome TfmRegisterBatch::btnOkClick()
{
    readSamples();
    const auto batch = batchOf(m_form);
    if (const auto *reason = std::get_if<std::string>(&batch))
        return Outcome(common::Failure {common::Failure::Kind::Refused, *reason}, std::nullopt);
    if (const auto reason = m_save(std::get<Batch>(batch)))
        return Outcome(common::Failure {common::Failure::Kind::Refused, *reason}, std::nullopt);
    return {};
}

void TfmRegisterBatch::keyPressEvent(QKeyEvent *event)
{
    // Esc leaves the register as it was.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject();
        return;
    }
    ModalDialog::keyPressEvent(event);
}

bool TfmRegisterBatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == sgSamples && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        pasteSamples(QApplication::clipboard()->text());
        return true;
    }
    return ModalDialog::eventFilter(watched, event);
}

} // namespace journal
