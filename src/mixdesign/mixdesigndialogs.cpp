#include "mixdesign/mixdesigndialogs.h"

#include "mixdesign/inputdialog.h"

namespace mixdesign {

MixDesignDialogs::MixDesignDialogs(shell::ReportWindows &reports, QWidget *mainWindow)
    : m_prompter(mainWindow)
    , m_input(new TfmBNS(m_state, m_prompter, reports, mainWindow))
{}

MixDesignDialogs::~MixDesignDialogs()
{
    delete m_input;
}

void MixDesignDialogs::showInputDialog()
{
    m_input->exec();
}

} // namespace mixdesign
