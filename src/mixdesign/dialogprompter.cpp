#include "mixdesign/dialogprompter.h"

#include "ui/textconvert.h"

#include <QApplication>
#include <QMessageBox>

namespace mixdesign {

DialogPrompter::DialogPrompter(QWidget *messageParent)
    : m_messageParent(messageParent)
{}

void DialogPrompter::setShower(AuxDialog dialog, std::function<ModalResult()> shower)
{
    m_showers[dialog] = std::move(shower);
}

ModalResult DialogPrompter::show(AuxDialog dialog)
{
    const auto it = m_showers.find(dialog);
    Q_ASSERT_X(it != m_showers.end(), "DialogPrompter::show", "no shower for the dialog");
    if (it == m_showers.end())
        return ModalResult::Close;
    return it->second();
}

void DialogPrompter::message(const std::string &text)
{
    QWidget *parent = QApplication::activeModalWidget();
    QMessageBox::information(parent ? parent : m_messageParent, QApplication::applicationName(),
                             ui::toQt(text));
}

} // namespace mixdesign
