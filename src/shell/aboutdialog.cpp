#include "shell/aboutdialog.h"

#include "shell/programpicture.h"
#include "ui/rotatinglabel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace shell {

namespace {

constexpr int clientWidth = 536;
constexpr int clientHeight = 348;
constexpr int margin = 12;

// A word-wrapped text at (left, top), as high as its lines need; returns the bottom.
int addText(QWidget *parent, const QString &text, int left, int top, int width, int pointSize = 0,
            bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    const int height = label->heightForWidth(width);
    label->setGeometry(left, top, width, height);
    return top + height;
}

} // namespace

TfmAbout::TfmAbout(QWidget *parent)
    : ModalDialog(parent)
    , abcRotLabel1(new ui::RotatingLabel(QStringLiteral("ЛОВИЗ"), this))
    , BitBtn1(addOkButton("BitBtn1", [] { return Outcome(); }))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("TfmAbout"));
    setWindowTitle(QStringLiteral("О програме "));
    setFixedSize(clientWidth, clientHeight);
    setPlacement(Placement::CentredOnScreen);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(programPicture(QSize(160, 120)));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setGeometry(margin, margin, 164, 124);

    abcRotLabel1->setObjectName(QStringLiteral("abcRotLabel1"));
    QFont font(QStringLiteral("Arial"), 20);
    font.setBold(true);
    abcRotLabel1->setFont(font);
    abcRotLabel1->setColours(Qt::cyan, Qt::magenta, Qt::green);
    abcRotLabel1->setDepth(2);
    abcRotLabel1->resize(abcRotLabel1->sizeHint());
    abcRotLabel1->move(margin, clientHeight - margin - abcRotLabel1->height());
    addTexts();

    BitBtn1->setGeometry(clientWidth - margin - 90, clientHeight - margin - 30, 90, 30);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &TfmAbout::Timer1Timer);
    Timer1->start();
}

void TfmAbout::addTexts()
{
    const int left = 2 * margin + 164;
    const int width = clientWidth - left - margin;
    int bottom = addText(this, QStringLiteral("ЛОВИЗ-6.3"), left, margin, width, 18, true);
    bottom = addText(this, QStringLiteral("Версия 6.3"), left, bottom + 2, width);
    addText(this,
            QStringLiteral("Программа для технолога бетонного завода или завода сборного "
                           "железобетона."),
            left, bottom + 10, width);

    // The feature texts stand right of the turning label's square, which it sweeps whole.
    const int besideLabel = 2 * margin + abcRotLabel1->width();
    const int wide = clientWidth - besideLabel - margin;
    bottom = addText(this,
                     QStringLiteral("Расчет базового номинального состава бетона с учетом "
                                    "морозостойкости, водонепроницаемости, тепловлажностной "
                                    "обработки и технологических приемов экономии цемента."),
                     besideLabel, 2 * margin + 124, wide);
    bottom = addText(this,
                     QStringLiteral("Корректирование состава бетона по прочности и по "
                                    "влажности и гранулометрии заполнителей."),
                     besideLabel, bottom + 4, wide);
    addText(this,
            QStringLiteral("Статистический контроль прочности бетона: анализируемый период и "
                           "контрольная карта."),
            besideLabel, bottom + 4, wide);
}

void TfmAbout::Timer1Timer()
{
    abcRotLabel1->setAngle((abcRotLabel1->angle() + StepDegrees) % 360);
}

} // namespace shell
