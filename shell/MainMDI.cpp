#include "MainMDI.h"

#include "Dates.h"
#include "NewYorkClock.h"
#include "Panels.h"
#include "ShellSettings.h"
#include "StatusStrip.h"
#include "SymbolLists.h"
#include "TickerBox.h"
#include "ToolStrip.h"
#include "UiFont.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QTimer* makeTimer(QObject* owner, const char* name, int interval, bool enabled)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    if (enabled)
        timer->start();
    return timer;
}

constexpr int kFirstMovingAverage = 21;

} // namespace

MainMDI::MainMDI(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainMDI"));
    setWindowTitle(QStringLiteral("Tarnbeck"));
    setFont(chartFont());
    resize(1000, 700);

    m_menus.build(menuBar(), this);
    buildControls();
    buildTimers();
    connectCommands();
    connectChartCommands();
    connectLists();

    m_status->createConnectionBoxes(shellSettings().connectionCount);
    m_menus.mnuNYCsavings->setChecked(IsDaylightSavings(Today()));
    showNewYorkTime();
    m_ticker->setFocus();
}

MainMDI::~MainMDI() = default;

void MainMDI::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("mainArea"));

    auto* topBar = new QWidget(central);
    topBar->setObjectName(QStringLiteral("topBar"));
    m_toolBar = new ToolStrip(topBar);
    m_ticker = new TickerBox(topBar);
    m_ticker->setFixedWidth(90);
    m_symbolPicture = new SymbolPicture(topBar);
    m_maScroll = new QScrollBar(Qt::Horizontal, topBar);
    m_maScroll->setObjectName(QStringLiteral("HScroll1"));
    m_maScroll->setRange(1, 250);
    m_maScroll->setFixedWidth(140);
    m_maLabel = new QLabel(topBar);
    m_maLabel->setObjectName(QStringLiteral("lblMa"));
    m_maLabel->setMinimumWidth(150);
    m_autoWrenLines = new QCheckBox(QStringLiteral("On"), topBar);
    m_autoWrenLines->setObjectName(QStringLiteral("chkWrenLines"));
    m_wrenLinesButton = new QPushButton(QStringLiteral("WrenLines"), topBar);
    m_wrenLinesButton->setObjectName(QStringLiteral("cmdWrenLines"));
    m_exportButton = new QPushButton(QStringLiteral("CSV"), topBar);
    m_exportButton->setObjectName(QStringLiteral("Command2"));
    m_exportButton->setToolTip(QStringLiteral("Export CSV"));

    auto* topRow = new QHBoxLayout(topBar);
    topRow->setContentsMargins(2, 2, 2, 2);
    topRow->setSpacing(6);
    topRow->addWidget(m_toolBar);
    topRow->addWidget(m_ticker);
    topRow->addWidget(m_symbolPicture);
    topRow->addWidget(m_maScroll);
    topRow->addWidget(m_maLabel);
    topRow->addWidget(m_autoWrenLines);
    topRow->addWidget(m_wrenLinesButton);
    topRow->addWidget(m_exportButton);
    topRow->addStretch(1);

    m_toolBox = new QuickViewPanel(central);
    m_toolBox->hide();
    m_portfolio = new PortfolioPanel(central);
    m_portfolio->hide();
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0x80, 0x80, 0x80));

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(2);
    middle->addWidget(m_toolBox);
    middle->addWidget(m_portfolio, 0, Qt::AlignTop);
    middle->addWidget(m_mdi, 1);

    m_status = new StatusStrip(central);

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    column->addWidget(topBar);
    column->addLayout(middle, 1);
    column->addWidget(m_status);
    setCentralWidget(central);
}

void MainMDI::buildTimers()
{
    m_timer1 = makeTimer(this, "Timer1", 0, true);
    m_timer2 = makeTimer(this, "Timer2", 1000, true);
    m_netTimer = makeTimer(this, "dNetTimer", 200, true);
    m_quotesTimer = makeTimer(this, "QuotesTimer", 500, false);
    m_updateTimer = makeTimer(this, "UpdateTimer", 30, false);
    m_lineWait = makeTimer(this, "LineWait", 400, false);

    connect(m_timer1, &QTimer::timeout, this, [this] {
        layoutWindow();
        if (++m_layoutTicks >= 3)
            m_timer1->stop();
    });
    connect(m_timer2, &QTimer::timeout, this, &MainMDI::showNewYorkTime);
    connect(m_netTimer, &QTimer::timeout, this, &MainMDI::downloaderTick);
    connect(m_quotesTimer, &QTimer::timeout, this, &MainMDI::quotesTick);
    connect(m_updateTimer, &QTimer::timeout, this, &MainMDI::updateTick);
    connect(m_lineWait, &QTimer::timeout, this, [this] {
        m_lineWait->stop();
        m_wrenLinesButton->setEnabled(true);
    });
}

void MainMDI::startDeferredLayout()
{
    m_layoutTicks = 0;
    m_timer1->setInterval(1);
    m_timer1->start();
}

void MainMDI::layoutWindow()
{
    if (QWidget* central = centralWidget()) {
        m_portfolio->setMaximumHeight(std::max(0, static_cast<int>(central->height() * 0.8)));
        if (central->layout())
            central->layout()->activate();
    }
    m_status->setWindowMaximized(isMaximized());
}

void MainMDI::firstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    setOnline(true);
    m_lists->fillAtStart();
    setToolBoxVisible(true);
    layoutWindow();
    m_maScroll->setValue(kFirstMovingAverage);
}

void MainMDI::showNewYorkTime()
{
    m_status->setClockText(newYorkClockText(m_menus.mnuNYCsavings->isChecked()));
}

void MainMDI::setToolBoxVisible(bool visible)
{
    m_toolBox->setVisible(visible);
    m_menus.mnuToolBox->setChecked(visible);
    if (visible)
        startDeferredLayout();
}

void MainMDI::setPortfolioVisible(bool visible)
{
    m_portfolio->setVisible(visible);
    m_menus.mnuPortfolio->setChecked(visible);
    layoutWindow();
}

void MainMDI::setOnline(bool online)
{
    shellSettings().online = online;
    m_menus.mnuOnline->setChecked(online);
}

bool MainMDI::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !m_activated) {
        const bool handled = QMainWindow::event(e);
        firstActivation();
        return handled;
    }
    if (e->type() == QEvent::Show && !m_activated) {
        // Without a window manager the window may never be activated; the first
        // showing then stands in for the first activation, once events have settled.
        QTimer::singleShot(0, this, &MainMDI::firstActivation);
    }
    return QMainWindow::event(e);
}

void MainMDI::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    layoutWindow();
}

void MainMDI::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange) {
        m_status->setWindowMaximized(isMaximized());
        startDeferredLayout();
    }
    QMainWindow::changeEvent(e);
}
