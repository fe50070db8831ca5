#pragma once

#include <QFrame>

class DrawnGrid;
class QCheckBox;
class QLabel;
class QToolButton;

// The "QuickView" panel `tbToolBox`: a caption bar `tbCaption` with the title `Label3`
// and the close button `tbClosebtn`, the bar `tbToolBar` with the "Update" box
// `Check1`, then the sector grid `sGridBox` and the symbol grid `tGridBox`.
class QuickViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 180;

    explicit QuickViewPanel(QWidget* parent = nullptr);
    QCheckBox* updateBox() const { return m_check1; }
    DrawnGrid* sectorGrid() const { return m_sGridBox; }
    DrawnGrid* symbolGrid() const { return m_tGridBox; }

signals:
    void closeClicked();

private:
    QCheckBox* m_check1;
    DrawnGrid* m_sGridBox;
    DrawnGrid* m_tGridBox;
};

// The portfolio panel `picPortFolio`: the title `lblPortFolio`, the notice `Label2`,
// the close button `pfClosebtn` and the banded picture `pfGridBox`.
class PortfolioPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 220;

    explicit PortfolioPanel(QWidget* parent = nullptr);

signals:
    void closeClicked();
};

// `pfGridBox`: horizontal bands 30 pixels high from y 0 to 500, alternately
// (26, 98, 132) and the lighter (46, 118, 152).
class PortfolioBands : public QWidget {
public:
    static constexpr int kBand = 30;
    static constexpr int kDepth = 500;
    static QColor darkBand() { return QColor(26, 98, 132); }
    static QColor lightBand() { return QColor(46, 118, 152); }

    explicit PortfolioBands(QWidget* parent = nullptr);
    // As deep as the bands, so the panel grows up to its height limit.
    QSize sizeHint() const override { return {0, kDepth}; }

protected:
    void paintEvent(QPaintEvent*) override;
};

// `picSymbol`: shows the symbol being typed into the symbol box, large and bold.
class SymbolPicture : public QWidget {
public:
    explicit SymbolPicture(QWidget* parent = nullptr);
    void setSymbol(const QString& symbol);
    QString symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_symbol;
};
