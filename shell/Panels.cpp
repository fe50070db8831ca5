#include "Panels.h"

#include "DrawnGrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* closeButton(const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("x"));
    button->setAutoRaise(true);
    button->setFixedSize(16, 16);
    return button;
}

QWidget* namedArea(const char* name, QWidget* parent)
{
    auto* area = new QWidget(parent);
    area->setObjectName(QString::fromLatin1(name));
    return area;
}

} // namespace

QuickViewPanel::QuickViewPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("tbToolBox"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kWidth);

    auto* caption = namedArea("tbCaption", this);
    caption->setAutoFillBackground(true);
    QPalette captionColours = caption->palette();
    captionColours.setColor(QPalette::Window, QColor(0, 0, 128));
    captionColours.setColor(QPalette::WindowText, Qt::white);
    captionColours.setColor(QPalette::ButtonText, Qt::white);
    caption->setPalette(captionColours);
    auto* title = new QLabel(QStringLiteral("QuickView"), caption);
    title->setObjectName(QStringLiteral("Label3"));
    QToolButton* close = closeButton("tbClosebtn", caption);
    auto* captionRow = new QHBoxLayout(caption);
    captionRow->setContentsMargins(4, 1, 1, 1);
    captionRow->addWidget(title, 1);
    captionRow->addWidget(close);
    connect(close, &QToolButton::clicked, this, &QuickViewPanel::closeClicked);

    auto* toolBar = namedArea("tbToolBar", this);
    m_check1 = new QCheckBox(QStringLiteral("Update"), toolBar);
    m_check1->setObjectName(QStringLiteral("Check1"));
    auto* toolRow = new QHBoxLayout(toolBar);
    toolRow->setContentsMargins(4, 1, 4, 1);
    toolRow->addWidget(m_check1);
    toolRow->addStretch(1);

    m_sGridBox = new DrawnGrid({QStringLiteral("sGridBox"), QStringLiteral("sVScroll"), QStringLiteral("sHScroll"),
                                QStringLiteral("sDragBox"), QStringLiteral("stbEditBox")},
                               this);
    m_tGridBox = new DrawnGrid({QStringLiteral("tGridBox"), QStringLiteral("tVScroll"), QStringLiteral("tHScroll"),
                                QStringLiteral("tDragBox"), QStringLiteral("tbEditBox")},
                               this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(2);
    column->addWidget(caption);
    column->addWidget(toolBar);
    column->addWidget(m_sGridBox, 1);
    column->addWidget(m_tGridBox, 3);
}

PortfolioPanel::PortfolioPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("picPortFolio"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kWidth);

    auto* title = new QLabel(QStringLiteral(" PortFolio"), this);
    title->setObjectName(QStringLiteral("lblPortFolio"));
    QToolButton* close = closeButton("pfClosebtn", this);
    connect(close, &QToolButton::clicked, this, &PortfolioPanel::closeClicked);
    auto* notice = new QLabel(QStringLiteral("COMING \"self Refreshing\" PORTFOLIO"), this);
    notice->setObjectName(QStringLiteral("Label2"));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    auto* bands = new PortfolioBands(this);

    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->addLayout(top);
    column->addWidget(notice);
    column->addWidget(bands, 1);
}

PortfolioBands::PortfolioBands(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pfGridBox"));
}

void PortfolioBands::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (int y = 0, i = 0; y < kDepth; y += kBand, ++i)
        p.fillRect(0, y, width(), std::min(kBand, kDepth - y), i % 2 == 0 ? darkBand() : lightBand());
}

SymbolPicture::SymbolPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSymbol"));
    setFixedSize(110, 24);
}

void SymbolPicture::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    update();
}

void SymbolPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(height() - 8);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(rect().adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, m_symbol);
}
