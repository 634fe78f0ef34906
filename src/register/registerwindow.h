#pragma once

#include "register/batchform.h"
#include "register/core/address.h"
#include "register/core/period.h"
#include "register/store/store.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;

namespace journal {

class BatchListModel;
class TfmRegisterBatch;
class TfmRegisterChart;

// What the program does with an analysed period drawn from the register: fills the documented
// dialogs with it and lets the user run the report.
using PeriodHandler = std::function<void(const AnalysedPeriod &)>;

// TfmRegister: the test-results register in a window of its own beside the main window. The
// batches, newest first, fetched as the list scrolls, filtered by class and dates; the selected
// batch's samples beside them; adding, editing and deleting a batch; CSV import and export; the
// analysed period of the filter's class handed to the program, and the control chart after it.
class TfmRegister : public QDialog
{
    Q_OBJECT

public:
    TfmRegister(DatabaseAddress address, PeriodHandler onPeriod, QWidget *parent = nullptr);
    ~TfmRegister() override;

    // Opens the register if it is not open yet (a failure shows the register's message and
    // leaves the window closed), then shows the window and raises it.
    void showRegister();

    BatchListModel *batchList() const { return m_model; }
    QTableView *batchView() const { return tvBatches; }
    const Store *store() const { return m_store.get(); }

private:
    bool openStore();
    void buildFilterRow();
    void buildButtons();
    void fillClasses();
    void applyFilter();
    void showSamples();
    void afterChange(BatchId select);
    std::optional<BatchId> selectedBatch() const;
    std::optional<ConcreteClass> filterClass() const;
    const statcontrol::Scheme &chosenScheme() const;
    std::optional<Date> untilDate();
    // The class of the filter and the day "до даты" for the analysed period or the chart;
    // nothing, after saying why, when either is missing or wrong.
    struct PeriodRequest
    {
        ConcreteClass concreteClass;
        Date until;
    };
    std::optional<PeriodRequest> periodRequest(const QString &why);

    void addBatch();
    void editBatch();
    void deleteBatch();
    void importFile();
    void exportFile();
    void analysedPeriod();
    void controlChart();
    void status(const QString &text);
    void message(const QString &text);

    DatabaseAddress m_address;
    PeriodHandler m_onPeriod;
    std::unique_ptr<Store> m_store;
    std::vector<ConcreteClass> m_classes;
    BatchListModel *m_model;
    BatchEditForm m_editForm;
    TfmRegisterBatch *m_batchDialog;
    TfmRegisterChart *m_chartWindow = nullptr;
    QFileDialog *m_openDialog;
    QFileDialog *m_saveDialog;

    QComboBox *cbClass;
    QLineEdit *edFrom;
    QLineEdit *edTo;
    QPushButton *btnShow;
    QTableView *tvBatches;
    QTableWidget *sgSamples;
    QLabel *lbNote;
    QLabel *lbStatus;
    QComboBox *cbScheme;
    QLineEdit *edUntil;
};

} // namespace journal
