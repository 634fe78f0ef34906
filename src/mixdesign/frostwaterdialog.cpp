#include "mixdesign/frostwaterdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/dialogprompter.h"
#include "ui/dialogparts.h"
#include "ui/textconvert.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace mixdesign {

namespace {

constexpr ui::EditPageNames frostNames = {"F",
                                          "Нормируется морозостойкость",
                                          "Введите нормируемую марку по морозостойкости, F",
                                          "edMarka_F",
                                          "BitBtn1",
                                          "BitBtn2"};
constexpr ui::EditPageNames waterproofNames
    = {"W",
       "Нормируется водонепроницаемость",
       "Введите нормируемую марку по водонепроницаемости, W",
       "edW",
       "BitBtn3",
       "BitBtn4"};

} // namespace

TF_W::TF_W(FrostWaterForm &form, QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , FW(new QTabWidget(this))
{
    setObjectName(QStringLiteral("TF_W"));
    setWindowTitle(QStringLiteral("Учет морозостойкости и водонепроницаемости"));
    setHelpContext(22);
    FW->setObjectName(QStringLiteral("FW"));
    // Two tabs: both captions in full, side by side.
    FW->setElideMode(Qt::ElideNone);
    FW->setUsesScrollButtons(false);

    const ui::EditPage frost = ui::makeEditPage(FW, frostNames);
    const ui::EditPage waterproof = ui::makeEditPage(FW, waterproofNames);
    F = frost.sheet;
    edMarka_F = frost.edit;
    BitBtn1 = frost.ok;
    BitBtn2 = frost.close;
    W = waterproof.sheet;
    edW = waterproof.edit;
    BitBtn3 = waterproof.ok;
    BitBtn4 = waterproof.close;
    FW->addTab(F, QString::fromUtf8(frostNames.caption));
    FW->addTab(W, QString::fromUtf8(waterproofNames.caption));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FW);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { acceptGradeOf(GradePage::Frost); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { acceptGradeOf(GradePage::Waterproof); });
    connectCloseButton(BitBtn2);
    connectCloseButton(BitBtn4);
    connect(FW, &QTabWidget::currentChanged, this, &TF_W::followPage);
    followPage(FW->currentIndex());
    bindForm(fieldsOf(m_form));
}

ModalResult TF_W::showPage(GradePage page)
{
    const int shown = static_cast<int>(page);
    const int hidden = 1 - shown;
    FW->setCurrentIndex(shown);
    FW->setTabVisible(hidden, false);
    const int result = exec();
    FW->setTabVisible(hidden, true);
    return modalResultOf(result);
}

void TF_W::acceptGradeOf(GradePage page)
{
    saveToForm();
    if (const auto failure = acceptGrade(m_form, page))
        ui::showFailure(this, *failure);
    done(Ok);
}

// Enter and Esc press the OK of the page on view.
void TF_W::followPage(int index)
{
    setOkButton(index == static_cast<int>(GradePage::Waterproof) ? BitBtn3 : BitBtn1);
}

} // namespace mixdesign
