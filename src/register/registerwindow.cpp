#include "register/registerwindow.h"

#include "register/batchlistmodel.h"
#include "register/compactrows.h"
#include "register/registerbatchdialog.h"
#include "register/registerchart.h"
#include "register/registerfiles.h"
#include "ui/filedialogs.h"
#include "ui/filetypes.h"
#include "ui/textconvert.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace journal {

namespace {

constexpr const char *csvFileTypes = "CSV (*.csv)|*.csv|Все файлы (*)|*";

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit *makeDateEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    edit->setMaxLength(10);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    return edit;
}

QFileDialog *makeCsvDialog(QWidget *parent, const char *name, QFileDialog::AcceptMode mode)
{
    QFileDialog *dialog = ui::makeFileDialog(parent, QString::fromLatin1(name), mode);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    ui::setFileTypes(dialog, QString::fromUtf8(csvFileTypes));
    return dialog;
}

// A date edit's day: none when it is empty; the reason, named after its edit, when it holds no
// day.
std::variant<std::optional<Date>, QString> dateOf(const QLineEdit *edit, const QString &what)
{
    const std::string text = ui::fromQt(edit->text().trimmed());
    if (text.empty())
        return std::optional<Date>();
    auto read = Date::read(text);
    if (const auto *reason = std::get_if<std::string>(&read))
        return what + QStringLiteral(": ") + ui::toQt(*reason);
    return std::optional<Date>(std::get<Date>(read));
}

template<class T> const common::Failure *failureIn(const Result<T> &result)
{
    return std::get_if<common::Failure>(&result);
}

// What the batch dialog shows when the register refuses a change: its message, or nothing.
template<class T> std::optional<std::string> refusalOf(const Result<T> &result)
{
    if (const auto *failure = failureIn(result))
        return failure->message;
    return std::nullopt;
}

} // namespace

TfmRegister::TfmRegister(DatabaseAddress address, PeriodHandler onPeriod, QWidget *parent)
    : QDialog(parent)
    , m_address(std::move(address))
    , m_onPeriod(std::move(onPeriod))
    , m_model(new BatchListModel(this))
    , m_batchDialog(new TfmRegisterBatch(m_editForm, this))
    , m_openDialog(makeCsvDialog(this, "OpenCsvDialog", QFileDialog::AcceptOpen))
    , m_saveDialog(makeCsvDialog(this, "SaveCsvDialog", QFileDialog::AcceptSave))
    , cbClass(new QComboBox(this))
    , edFrom(makeDateEdit(this, "edFrom"))
    , edTo(makeDateEdit(this, "edTo"))
    , btnShow(makeButton(this, "btnShow", QStringLiteral("Показать")))
    , tvBatches(new QTableView(this))
    , sgSamples(new QTableWidget(0, 2, this))
    , lbNote(new QLabel(this))
    , lbStatus(new QLabel(this))
    , cbScheme(new QComboBox(this))
    , edUntil(makeDateEdit(this, "edUntil"))
{
    setObjectName(QStringLiteral("TfmRegister"));
    setWindowTitle(QStringLiteral("Журнал испытаний прочности бетона"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    cbClass->setObjectName(QStringLiteral("cbClass"));
    cbClass->setMinimumContentsLength(8);
    tvBatches->setObjectName(QStringLiteral("tvBatches"));
    tvBatches->setModel(m_model);
    tvBatches->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvBatches->setSelectionMode(QAbstractItemView::SingleSelection);
    tvBatches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvBatches->verticalHeader()->hide();
    makeRowsCompact(tvBatches);
    tvBatches->horizontalHeader()->setStretchLastSection(true);
    sgSamples->setObjectName(QStringLiteral("sgSamples"));
    sgSamples->setHorizontalHeaderLabels(
        {QStringLiteral("Прочность, МПа"), QStringLiteral("Возраст, сут")});
    sgSamples->setEditTriggers(QAbstractItemView::NoEditTriggers);
    makeRowsCompact(sgSamples);
    sgSamples->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    lbNote->setObjectName(QStringLiteral("lbNote"));
    lbNote->setWordWrap(true);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    cbScheme->setObjectName(QStringLiteral("cbScheme"));
    cbScheme->addItems({QStringLiteral("5 партий по 6 выборок (5×6)"),
                        QStringLiteral("10 партий по 3 выборки (10×3)")});
    edUntil->setText(ui::toQt(Date::today().russian()));

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(new QLabel(QStringLiteral("Выборки партии:"), right));
    rightLayout->addWidget(sgSamples, 1);
    rightLayout->addWidget(lbNote);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(tvBatches);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    buildFilterRow();
    buildButtons();
    layout->addWidget(lbStatus);

    connect(m_model, &BatchListModel::failed, this, &TfmRegister::message);
    connect(tvBatches->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfmRegister::showSamples);
    connect(tvBatches, &QTableView::doubleClicked, this, &TfmRegister::editBatch);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, tvBatches);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TfmRegister::deleteBatch);
    resize(1000, 620);
}

TfmRegister::~TfmRegister()
{
    // The list reads the store; it lets go of it first.
    m_model->show(nullptr, {});
}

void TfmRegister::buildFilterRow()
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Класс:"), this));
    row->addWidget(cbClass);
    row->addWidget(new QLabel(QStringLiteral("Дата с:"), this));
    row->addWidget(edFrom);
    row->addWidget(new QLabel(QStringLiteral("по:"), this));
    row->addWidget(edTo);
    row->addWidget(btnShow);
    row->addStretch();
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, row);
    connect(cbClass, &QComboBox::activated, this, &TfmRegister::applyFilter);
    connect(btnShow, &QPushButton::clicked, this, &TfmRegister::applyFilter);
    connect(edFrom, &QLineEdit::returnPressed, this, &TfmRegister::applyFilter);
    connect(edTo, &QLineEdit::returnPressed, this, &TfmRegister::applyFilter);
}

void TfmRegister::buildButtons()
{
    auto *row = new QHBoxLayout;
    const struct
    {
        const char *name;
        const char *caption;
        void (TfmRegister::*act)();
    } buttons[] = {
        {"btnAdd", "Добавить...", &TfmRegister::addBatch},
        {"btnEdit", "Изменить...", &TfmRegister::editBatch},
        {"btnDelete", "Удалить", &TfmRegister::deleteBatch},
        {nullptr, nullptr, nullptr},
        {"btnImport", "Загрузить CSV...", &TfmRegister::importFile},
        {"btnExport", "Выгрузить CSV...", &TfmRegister::exportFile},
    };
    for (const auto &entry : buttons) {
        if (!entry.name) {
            row->addStretch();
            continue;
        }
        QPushButton *button = makeButton(this, entry.name, QString::fromUtf8(entry.caption));
        connect(button, &QPushButton::clicked, this, entry.act);
        row->addWidget(button);
    }
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    layout->addLayout(row);

    auto *group
        = new QGroupBox(QStringLiteral("Стат. контроль по журналу (класс из фильтра)"), this);
    auto *statRow = new QHBoxLayout(group);
    statRow->addWidget(new QLabel(QStringLiteral("Схема:"), group));
    statRow->addWidget(cbScheme);
    statRow->addWidget(new QLabel(QStringLiteral("до даты:"), group));
    statRow->addWidget(edUntil);
    QPushButton *period = makeButton(group, "btnPeriod", QStringLiteral("Анализируемый период"));
    QPushButton *chart = makeButton(group, "btnChart", QStringLiteral("Контрольная карта"));
    statRow->addWidget(period);
    statRow->addWidget(chart);
    statRow->addStretch();
    connect(period, &QPushButton::clicked, this, &TfmRegister::analysedPeriod);
    connect(chart, &QPushButton::clicked, this, &TfmRegister::controlChart);
    layout->addWidget(group);
}

void TfmRegister::showRegister()
{
    if (!m_store && !openStore())
        return;
    show();
    raise();
    activateWindow();
}

bool TfmRegister::openStore()
{
    auto opened = Store::open(m_address);
    if (const auto *failure = failureIn(opened)) {
        showRegisterMessage(parentWidget(), ui::toQt(failure->message));
        return false;
    }
    m_store = std::move(std::get<std::unique_ptr<Store>>(opened));
    setWindowTitle(QStringLiteral("Журнал испытаний прочности бетона — %1")
                       .arg(ui::toQt(m_store->description())));
    fillClasses();
    applyFilter();
    return true;
}

void TfmRegister::fillClasses()
{
    const std::optional<ConcreteClass> current = filterClass();
    auto classes = m_store->classes();
    if (const auto *failure = failureIn(classes))
        return message(ui::toQt(failure->message));
    m_classes = std::get<std::vector<ConcreteClass>>(std::move(classes));
    const QSignalBlocker quiet(cbClass);
    cbClass->clear();
    cbClass->addItem(QStringLiteral("все"));
    for (const ConcreteClass &c : m_classes) {
        cbClass->addItem(ui::toQt(c.name()));
        if (current && c.value == current->value)
            cbClass->setCurrentIndex(cbClass->count() - 1);
    }
}

std::optional<ConcreteClass> TfmRegister::filterClass() const
{
    const int index = cbClass->currentIndex() - 1;
    if (index < 0 || index >= static_cast<int>(m_classes.size()))
        return std::nullopt;
    return m_classes[static_cast<std::size_t>(index)];
}

void TfmRegister::applyFilter()
{
    if (!m_store)
        return;
    BatchFilter filter;
    if (const auto c = filterClass())
        filter.classValue = c->value;
    const auto from = dateOf(edFrom, QStringLiteral("Дата «с»"));
    const auto to = dateOf(edTo, QStringLiteral("Дата «по»"));
    for (const auto *date : {&from, &to}) {
        if (const auto *reason = std::get_if<QString>(date))
            return message(*reason);
    }
    filter.from = std::get<std::optional<Date>>(from);
    filter.to = std::get<std::optional<Date>>(to);
    m_model->show(m_store.get(), filter);
    if (m_model->rowCount() > 0)
        tvBatches->selectRow(0);
    showSamples();
    status(QStringLiteral("Партий: %1").arg(m_model->total()));
}

std::optional<BatchId> TfmRegister::selectedBatch() const
{
    const QModelIndex current = tvBatches->currentIndex();
    if (!current.isValid() || !tvBatches->selectionModel()->isRowSelected(current.row(), {}))
        return std::nullopt;
    return m_model->row(current.row()).id;
}

void TfmRegister::showSamples()
{
    sgSamples->setRowCount(0);
    lbNote->clear();
    const auto id = selectedBatch();
    if (!id || !m_store)
        return;
    auto found = m_store->batch(*id);
    if (const auto *failure = failureIn(found))
        return status(ui::toQt(failure->message));
    const Batch &batch = std::get<Batch>(found);
    for (const Sample &sample : batch.samples) {
        const int row = sgSamples->rowCount();
        sgSamples->insertRow(row);
        sgSamples->setItem(row, 0, new QTableWidgetItem(ui::toQt(sample.text)));
        sgSamples->setItem(row, 1, new QTableWidgetItem(QString::number(sample.ageDays)));
    }
    if (!batch.note.empty())
        lbNote->setText(QStringLiteral("Примечание: %1").arg(ui::toQt(batch.note)));
}

void TfmRegister::afterChange(BatchId select)
{
    fillClasses();
    m_model->reload();
    int row = m_model->rowOf(select);
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row >= 0) {
        tvBatches->selectRow(row);
        tvBatches->scrollTo(m_model->index(row, 0));
    }
    showSamples();
    status(QStringLiteral("Партий: %1").arg(m_model->total()));
}

void TfmRegister::addBatch()
{
    if (!m_store)
        return;
    BatchEditForm form;
    form.edDate = Date::today().russian();
    if (const auto c = filterClass())
        form.edClass = c->text;
    BatchId added = 0;
    const int result
        = m_batchDialog->edit(form, QStringLiteral("Новая партия"), [&](const Batch &batch) {
              const auto id = m_store->add(batch);
              if (const auto *done = std::get_if<BatchId>(&id))
                  added = *done;
              return refusalOf(id);
          });
    if (result == ui::ModalDialog::Ok)
        afterChange(added);
}

void TfmRegister::editBatch()
{
    const auto id = selectedBatch();
    if (!id || !m_store)
        return;
    auto found = m_store->batch(*id);
    if (const auto *failure = failureIn(found))
        return message(ui::toQt(failure->message));
    const int result = m_batchDialog->edit(
        formOf(std::get<Batch>(found)), QStringLiteral("Изменение партии"),
        [&](const Batch &batch) { return refusalOf(m_store->replace(*id, batch)); });
    if (result == ui::ModalDialog::Ok)
        afterChange(*id);
}

void TfmRegister::deleteBatch()
{
    const auto id = selectedBatch();
    if (!id || !m_store)
        return;
    auto found = m_store->batch(*id);
    if (const auto *failure = failureIn(found))
        return message(ui::toQt(failure->message));
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QStringLiteral("Удалить %1?\nЕё прежнее состояние останется в истории журнала.")
                        .arg(ui::toQt(nameOf(std::get<Batch>(found)))),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ConfirmDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes)
        return;
    const auto done = m_store->remove(*id);
    if (const auto *failure = failureIn(done))
        return message(ui::toQt(failure->message));
    const int row = tvBatches->currentIndex().row();
    afterChange(row + 1 < m_model->rowCount() ? m_model->row(row + 1).id : 0);
}

void TfmRegister::importFile()
{
    if (!m_store)
        return;
    const FileOutcome outcome = importCsvFile(this, m_openDialog, *m_store);
    if (outcome.changed)
        afterChange(selectedBatch().value_or(0));
    if (!outcome.status.isEmpty())
        status(outcome.status);
}

void TfmRegister::exportFile()
{
    if (!m_store)
        return;
    const FileOutcome outcome = exportCsvFile(this, m_saveDialog, *m_store, m_model->filter());
    if (!outcome.status.isEmpty())
        status(outcome.status);
}

const statcontrol::Scheme &TfmRegister::chosenScheme() const
{
    return schemeWith(cbScheme->currentIndex() == 1 ? 10 : 5);
}

std::optional<Date> TfmRegister::untilDate()
{
    const auto until = dateOf(edUntil, QStringLiteral("До даты"));
    if (const auto *reason = std::get_if<QString>(&until)) {
        message(*reason);
        return std::nullopt;
    }
    return std::get<std::optional<Date>>(until).value_or(Date::today());
}

std::optional<TfmRegister::PeriodRequest> TfmRegister::periodRequest(const QString &why)
{
    if (!m_store)
        return std::nullopt;
    const auto concreteClass = filterClass();
    if (!concreteClass) {
        message(QStringLiteral("Выберите класс бетона в фильтре: ") + why);
        return std::nullopt;
    }
    const auto until = untilDate();
    if (!until)
        return std::nullopt;
    return PeriodRequest {*concreteClass, *until};
}

void TfmRegister::analysedPeriod()
{
    const auto request = periodRequest(
        QStringLiteral("анализируемый период составляется из партий одного класса."));
    if (!request)
        return;
    auto period = m_store->analysedPeriod(request->concreteClass, chosenScheme(), request->until);
    if (const auto *failure = failureIn(period))
        return message(ui::toQt(failure->message));
    if (m_onPeriod)
        m_onPeriod(std::get<AnalysedPeriod>(period));
}

void TfmRegister::controlChart()
{
    const auto request
        = periodRequest(QStringLiteral("контрольная карта строится по партиям одного класса."));
    if (!request)
        return;
    const ConcreteClass &concreteClass = request->concreteClass;
    const Date &until = request->until;
    const statcontrol::Scheme &scheme = chosenScheme();
    auto inputs = m_store->controlChart(concreteClass, scheme, until);
    if (const auto *failure = failureIn(inputs))
        return message(ui::toQt(failure->message));
    if (!m_chartWindow)
        m_chartWindow = new TfmRegisterChart(this);
    const auto refused = m_chartWindow->showChart(
        std::get<ControlChartInputs>(inputs),
        QStringLiteral("Контрольная карта: класс %1, анализируемый период %2×%3, до %4")
            .arg(ui::toQt(concreteClass.name()))
            .arg(scheme.batches)
            .arg(scheme.samples)
            .arg(ui::toQt(until.russian())));
    if (refused)
        message(ui::toQt(*refused));
}

void TfmRegister::status(const QString &text)
{
    lbStatus->setText(text);
}

void TfmRegister::message(const QString &text)
{
    showRegisterMessage(this, text);
}

} // namespace journal
