#pragma once

#include "register/batchform.h"
#include "ui/modaldialog.h"

#include <functional>
#include <optional>
#include <string>

class QTableWidget;

namespace journal {

// TfmRegisterBatch: a batch of the register entered or edited — its date, class, label, plant,
// note and samples (strength and age, one row each). A block of values pasted into the samples
// table (Ctrl+V, Shift+Insert) adds a sample per value. OK reads the batch and hands it to be
// saved; a text that is no value, or a refusal of the register, is shown and the dialog stays
// open with everything as typed. "Отмена" and Esc close it and save nothing.
class TfmRegisterBatch : public ui::ModalDialog
{
    Q_OBJECT

public:
    // Saves a batch read from the dialog; the reason when it could not.
    using Save = std::function<std::optional<std::string>(const Batch &)>;

    // `form` holds what the dialog shows; it must outlive the dialog.
    explicit TfmRegisterBatch(BatchEditForm &form, QWidget *parent = nullptr);

    // Shows the dialog with `form` under `caption`; Ok once `save` has taken the batch.
    int edit(const BatchEditForm &form, const QString &caption, Save save);

    QTableWidget *samplesTable() const { return sgSamples; }
    // Adds a sample per value of a pasted text (one value, or a block a spreadsheet copies).
    void pasteSamples(const QString &text);

protected:
    void activated() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Outcome btnOkClick();
    void addSampleRow(const SampleTexts &texts);
    void readSamples();

    BatchEditForm &m_form;
    Save m_save;
    QTableWidget *sgSamples;
};

} // namespace journal
