#include "shell/helpviewer.h"

#include "ui/modaldialog.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <map>

// The help pages live in a resource of the static GUI library, which must be registered by
// hand (outside any namespace).
static void registerHelpPages()
{
    Q_INIT_RESOURCE(help);
}

namespace shell {

namespace {

using ui::HelpContext;

// The pages by help context.
const std::map<HelpContext, QString> &contextPages()
{
    static const std::map<HelpContext, QString> pages {
        {HelpContext::MainWindow, QStringLiteral("mainwindow.html")},
        {HelpContext::MixDesignOptions, QStringLiteral("options.html")},
        {HelpContext::MixDesign, QStringLiteral("mixdesign.html")},
        {HelpContext::CorrectionByStrength, QStringLiteral("correction_strength.html")},
        {HelpContext::CorrectionByAggregates, QStringLiteral("correction_aggregates.html")},
        {HelpContext::AnalysedPeriod, QStringLiteral("analysed_period.html")},
        {HelpContext::ControlledPeriod, QStringLiteral("controlled_period.html")},
    };
    return pages;
}

QUrl helpPage(const QString &name)
{
    return QUrl(QStringLiteral("qrc:/help/") + name);
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    registerHelpPages();
    setObjectName(QStringLiteral("HelpViewer"));
    resize(760, 600);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction *contents = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                           QStringLiteral("Содержание"));
    m_back
        = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Назад"));
    m_forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                   QStringLiteral("Вперед"));
    contents->setObjectName(QStringLiteral("helpContents"));
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto *close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    addAction(close);

    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_browser);

    connect(contents, &QAction::triggered, this, &HelpViewer::showContents);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

void HelpViewer::serveDialogsOf(const QWidget *root)
{
    for (ui::ModalDialog *dialog : root->findChildren<ui::ModalDialog *>()) {
        connect(dialog, &ui::ModalDialog::helpRequested, this, &HelpViewer::showContext,
                Qt::UniqueConnection);
    }
}

void HelpViewer::showContents()
{
    showPage(contentsPage());
}

void HelpViewer::showContext(ui::HelpContext context)
{
    showPage(pageOfContext(context));
}

QUrl HelpViewer::contentsPage()
{
    return helpPage(QStringLiteral("index.html"));
}

QUrl HelpViewer::pageOfContext(ui::HelpContext context)
{
    const auto found = contextPages().find(context);
    return found == contextPages().end() ? contentsPage() : helpPage(found->second);
}

void HelpViewer::showPage(const QUrl &page)
{
    if (m_browser->source() != page)
        m_browser->setSource(page);
    present();
}

void HelpViewer::present()
{
    // Over a modal dialog only another modal window can take input.
    QWidget *modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::updateTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Справка ЛОВИЗ-6.3")
                                   : QStringLiteral("Справка ЛОВИЗ-6.3 — ") + title);
}

} // namespace shell
