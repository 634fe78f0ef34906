#include "ui/dialogprompter.h"

#include "ui/textconvert.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

DialogPrompter::DialogPrompter(QWidget *messageParent)
    : m_messageParent(messageParent)
{
}

void DialogPrompter::message(const std::string &text)
{
    QWidget *parent = QApplication::activeModalWidget();
    QMessageBox::information(parent ? parent : m_messageParent, QApplication::applicationName(),
                             toQt(text));
}

std::string DialogPrompter::askValue(const std::string &prompt)
{
    return m_asker ? m_asker(prompt) : std::string();
}

} // namespace ui
