#include "mixdesign/mixdesigndialogs.h"

#include "mixdesign/economydialog.h"
#include "mixdesign/frostwaterdialog.h"
#include "mixdesign/inputdialog.h"
#include "mixdesign/measuredialog.h"
#include "mixdesign/optionsdialog.h"
#include "mixdesign/steamcuringdialog.h"

namespace mixdesign {

MixDesignDialogs::MixDesignDialogs(const ui::SubsystemHost &host)
    : m_prompter(host.dialogParent)
    , m_options(new TfmOptions(m_state.options, host.dialogParent))
    , m_input(new TfmBNS(m_state, m_prompter, host.showReport, host.dialogParent))
    , m_frostWater(new TF_W(m_state.frostWater, host.dialogParent))
    , m_economy(new Teconomy(m_state, m_prompter, host.dialogParent))
    , m_measure(new TVubor_Econ(m_state, host.dialogParent))
    , m_steamCuring(new TfmTVO(m_state.steamCuring, m_state.work, host.dialogParent))
{
    connectPrompter();
}

MixDesignDialogs::~MixDesignDialogs()
{
    delete m_steamCuring;
    delete m_measure;
    delete m_economy;
    delete m_frostWater;
    delete m_input;
    delete m_options;
}

void MixDesignDialogs::offerCommands(const ui::SubsystemHost &host)
{
    host.offerCommand(ui::Command::NewMix, [this] { showInputDialog(); });
    host.offerCommand(ui::Command::MixOptions, [this] { showOptionsDialog(); });
}

void MixDesignDialogs::showInputDialog()
{
    m_input->exec();
}

void MixDesignDialogs::showOptionsDialog()
{
    m_options->exec();
}

void MixDesignDialogs::connectPrompter()
{
    m_prompter.setShower(AuxDialog::FrostPage,
                         [this] { return m_frostWater->showPage(GradePage::Frost); });
    m_prompter.setShower(AuxDialog::WaterproofPage,
                         [this] { return m_frostWater->showPage(GradePage::Waterproof); });
    m_prompter.setShower(AuxDialog::SteamCuring,
                         [this] { return modalResultOf(m_steamCuring->exec()); });
    m_prompter.setShower(AuxDialog::Economy, [this] { return modalResultOf(m_economy->exec()); });
    m_prompter.setShower(AuxDialog::Measure, [this] { return modalResultOf(m_measure->exec()); });
}

} // namespace mixdesign
