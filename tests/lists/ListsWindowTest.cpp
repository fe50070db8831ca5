#include "ListsWindowSupport.h"
#include "Panels.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class SymbolListsWindow : public ListsWindowTest {
protected:
    void SetUp() override
    {
        ListsWindowTest::SetUp();
        writeList("Banks", "C\r\nJPM\r\n");
        writeList("Tech", "Microsoft Corp:MSFT\r\nIBM\r\n  empty\r\nORCL\r\n");
    }
    QTimer* quotesTimer() const { return m_window->findChild<QTimer*>("QuotesTimer"); }
    QString ticker() const { return m_window->findChild<QLineEdit*>("mTicker")->text(); }
    void openTech()
    {
        openWindow();
        click(sectors(), 1);
        ASSERT_EQ(lists()->loadedSector(), "Tech");
    }
};

} // namespace

TEST_F(SymbolListsWindow, FirstActivationFillsBothGridsAndStartsTheBoard)
{
    openWindow();
    EXPECT_EQ(column(sectors()), (QStringList{" Banks", " Tech"}));
    EXPECT_EQ(sectors()->data().Cell(0, -1).Text, "Sector");
    EXPECT_EQ(column(symbols()), (QStringList{" C", " JPM"}));
    EXPECT_EQ(symbols()->data().Cell(1, -1).Text, "Last");
    EXPECT_EQ(lists()->loadedSector(), "Banks");
    EXPECT_TRUE(quotesTimer()->isActive());
    EXPECT_EQ(m_window->symbolGridRows(), (QStringList{" C", " JPM"}));
    for (const char* name : {"sGridBox", "sVScroll", "sHScroll", "sDragBox", "stbEditBox", "tGridBox", "tVScroll",
                             "tHScroll", "tDragBox", "tbEditBox"})
        EXPECT_NE(m_window->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(SymbolListsWindow, ClickingASectorShowsItsSymbols)
{
    openWindow();
    lists()->board().setCursor(1);
    quotesTimer()->stop();
    click(sectors(), 1);
    EXPECT_EQ(column(symbols()), (QStringList{" MSFT", " IBM", " empty", " ORCL"}));
    EXPECT_EQ(lists()->board().cursor(), 0);
    EXPECT_TRUE(quotesTimer()->isActive());

    // A click below the last sector counts as a click on the current one; Enter too.
    click(sectors(), 0);
    ASSERT_EQ(lists()->loadedSector(), "Banks");
    const GridRect last = CellRect(sectors()->data(), 0, 1);
    const QPoint below(5, last.bottom + 30);
    writeList("Banks", "BAC\r\n");
    send(sectors(), QEvent::MouseButtonPress, below, Qt::LeftButton, Qt::LeftButton);
    send(sectors(), QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(column(symbols()), (QStringList{" BAC"}));
    key(sectors(), Qt::Key_Down);
    key(sectors(), Qt::Key_Return);
    EXPECT_EQ(lists()->loadedSector(), "Tech");
}

TEST_F(SymbolListsWindow, ChoosingSymbolsChartsThem)
{
    openTech();
    QSignalSpy planned(m_window.get(), &MainMDI::updateTickerRequested);
    click(symbols(), 0);
    EXPECT_EQ(ticker(), "MSFT");
    EXPECT_EQ(m_chartLog, (QStringList{"ResetOffset(0)", "DrawChart(MSFT)"}));
    ASSERT_EQ(planned.count(), 1);
    EXPECT_EQ(planned.first().first().toString(), "MSFT");

    m_chartLog.clear();
    planned.clear();
    key(symbols(), Qt::Key_Down);
    EXPECT_EQ(ticker(), "IBM");
    EXPECT_EQ(m_chartLog, QStringList{"DrawChart(IBM)"});
    EXPECT_EQ(planned.count(), 0) << "moving the row only charts";
    key(symbols(), Qt::Key_Return);
    ASSERT_EQ(planned.count(), 1);
    EXPECT_EQ(planned.first().first().toString(), "IBM");

    m_chartLog.clear();
    planned.clear();
    click(symbols(), 2);
    EXPECT_TRUE(m_chartLog.isEmpty()) << "the placeholder holds no symbol";
    EXPECT_EQ(planned.count(), 0);
    EXPECT_EQ(ticker(), "IBM");
}

TEST_F(SymbolListsWindow, ClickWithAutomaticLinesRunsThem)
{
    openTech();
    m_window->findChild<QCheckBox*>("chkWrenLines")->setChecked(true);
    click(symbols(), 3);
    EXPECT_TRUE(m_chartLog.contains("ClearTrendLines"));
    EXPECT_FALSE(m_window->findChild<QPushButton*>("cmdWrenLines")->isEnabled());
}

TEST_F(SymbolListsWindow, EveryEditIsWrittenAtOnce)
{
    openTech();
    click(symbols(), 1);
    key(symbols(), Qt::Key_Insert);
    QLineEdit* box = m_window->findChild<QLineEdit*>("tbEditBox");
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "empty");
    EXPECT_EQ(readList("Tech"), "Microsoft Corp:MSFT\r\nempty\r\nIBM\r\nempty\r\nORCL\r\n");

    QSignalSpy planned(m_window.get(), &MainMDI::updateTickerRequested);
    box->selectAll();
    QTest::keyClicks(box, "aapl");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(symbols()->data().Cell(0, 1).Text, " AAPL");
    EXPECT_EQ(readList("Tech"), "Microsoft Corp:MSFT\r\nAAPL\r\nIBM\r\nempty\r\nORCL\r\n");
    EXPECT_EQ(ticker(), "AAPL");
    EXPECT_TRUE(m_chartLog.contains("DrawChart(AAPL)"));
    ASSERT_EQ(planned.count(), 1);

    // Editing a labelled symbol drops its label; "empty" in any case stays the placeholder.
    symbols()->data().CurRow = 0;
    symbols()->StartEdit();
    box->setText(QStringLiteral("Empty"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(symbols()->data().Cell(0, 0).Text, " empty");
    EXPECT_EQ(readList("Tech"), "empty\r\nAAPL\r\nIBM\r\nempty\r\nORCL\r\n");

    key(symbols(), Qt::Key_Delete);
    EXPECT_EQ(readList("Tech"), "AAPL\r\nIBM\r\nempty\r\nORCL\r\n");
}

TEST_F(SymbolListsWindow, TheLastRowCannotBeDeleted)
{
    writeList("Banks", "C\r\n");
    openWindow();
    key(symbols(), Qt::Key_Delete);
    EXPECT_EQ(m_dialogs.beeps(), 1);
    EXPECT_EQ(readList("Banks"), "C\r\n");
    EXPECT_EQ(symbols()->data().Rows, 1);
}

TEST_F(SymbolListsWindow, TickerMenuOfASymbolRow)
{
    openTech();
    m_window->prepareTickerMenu(QStringLiteral("XYZ"));  // the symbol box disables items 0-2
    click(symbols(), 3, Qt::RightButton);
    ASSERT_EQ(m_window->popups, QStringList{"mnuTicker"});
    const MainMenus& m = m_window->menus();
    EXPECT_EQ(m.mnuTicker->title(), "ORCL");
    const char* captions[] = {"Insert", "Delete", "Rename", "News"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.mnuTickerActions[i]->text(), captions[i]);
        EXPECT_TRUE(m.mnuTickerActions[i]->isEnabled());
    }

    pickOnPopup("mnuTickerActions_1");
    click(symbols(), 0, Qt::RightButton);
    EXPECT_EQ(readList("Tech"), "IBM\r\nempty\r\nORCL\r\n");
    pickOnPopup("mnuTickerActions_0");
    click(symbols(), 2, Qt::RightButton);
    EXPECT_EQ(readList("Tech"), "IBM\r\nempty\r\nempty\r\nORCL\r\n");
    EXPECT_FALSE(m_window->findChild<QLineEdit*>("tbEditBox")->isVisible()) << "the menu's Insert edits nothing";
    pickOnPopup("mnuTickerActions_2");
    click(symbols(), 0, Qt::RightButton);
    EXPECT_TRUE(m_window->findChild<QLineEdit*>("tbEditBox")->isVisible());
}

TEST_F(SymbolListsWindow, SectorMenuAddsSectors)
{
    openWindow();
    pickOnPopup("mnuSectorInsert");
    m_dialogs.queueInput(QStringLiteral("Oil"));
    click(sectors(), 0, Qt::RightButton);
    EXPECT_EQ(m_window->popups, QStringList{"mnuSector"});
    ASSERT_FALSE(m_dialogs.entries().isEmpty());
    EXPECT_EQ(m_dialogs.entries().first().text, "Enter a name for the sector you want to create");
    EXPECT_EQ(m_dialogs.entries().first().title, "Add new sector");
    EXPECT_EQ(readList("Oil"), "empty\r\n");
    EXPECT_EQ(column(sectors()), (QStringList{" Banks", " Oil", " Tech"}));

    const QStringList before = allFiles();
    for (const char* answer : {"   ", "../Escape", "a/b"}) {
        m_dialogs.clear();
        m_dialogs.queueInput(QString::fromLatin1(answer));
        click(sectors(), 0, Qt::RightButton);
        EXPECT_EQ(m_dialogs.messages().size(), QString::fromLatin1(answer).trimmed().isEmpty() ? 0 : 1) << answer;
    }
    EXPECT_EQ(allFiles(), before);

    m_dialogs.clear();
    m_dialogs.queueInput(QStringLiteral("Tech"));
    click(sectors(), 0, Qt::RightButton);
    EXPECT_EQ(m_dialogs.messages(), QStringList{"The sector \"Tech\" already exists."});
    EXPECT_EQ(readList("Tech"), "Microsoft Corp:MSFT\r\nIBM\r\n  empty\r\nORCL\r\n");
}

TEST_F(SymbolListsWindow, SectorMenuDeletesAfterAsking)
{
    openWindow();
    pickOnPopup("mnuSectorDelete");
    m_dialogs.queueAnswer(Answer::No);
    click(sectors(), 1, Qt::RightButton);
    ASSERT_EQ(m_dialogs.entries().size(), 1);
    EXPECT_EQ(m_dialogs.entries().first().kind, ScriptedDialogs::Kind::Ask);
    EXPECT_EQ(m_dialogs.entries().first().text, "Delete symbol list : Tech");
    EXPECT_TRUE(QFile::exists(listPath("Tech")));

    m_dialogs.queueAnswer(Answer::Yes);
    click(sectors(), 1, Qt::RightButton);
    EXPECT_FALSE(QFile::exists(listPath("Tech")));
    EXPECT_EQ(column(sectors()), QStringList{" Banks"});

    // Deleting the list on show moves the symbol grid to the list left, so no later
    // edit can bring the deleted file back.
    m_dialogs.queueAnswer(Answer::Yes);
    click(sectors(), 0, Qt::RightButton);
    EXPECT_FALSE(QFile::exists(listPath("Banks")));
    EXPECT_EQ(sectors()->data().Rows, 0);
    EXPECT_EQ(symbols()->data().Rows, 0);
    key(symbols(), Qt::Key_Insert);
    EXPECT_TRUE(allFiles().filter("TickerLists/").isEmpty());

    // An empty sector grid still offers Add, and nothing else.
    m_window->onPopup = [](QMenu*) {};
    const QPoint empty(5, sectors()->data().HeaderHeight + 10);
    send(sectors(), QEvent::MouseButtonPress, empty, Qt::RightButton, Qt::RightButton);
    send(sectors(), QEvent::MouseButtonRelease, empty, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(m_window->popups.last(), "mnuSector");
    const MainMenus& m = m_window->menus();
    EXPECT_TRUE(m.mnuSectorInsert->isEnabled());
    EXPECT_FALSE(m.mnuSectorDelete->isEnabled());
    EXPECT_FALSE(m.mnuSectorRename->isEnabled());
}

TEST_F(SymbolListsWindow, RenamingASectorInPlace)
{
    openTech();
    QLineEdit* box = m_window->findChild<QLineEdit*>("stbEditBox");
    pickOnPopup("mnuSectorRename");
    click(sectors(), 1, Qt::RightButton);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Tech");
    box->setText(QStringLiteral("Software"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(readList("Software"), "Microsoft Corp:MSFT\r\nIBM\r\n  empty\r\nORCL\r\n");
    EXPECT_FALSE(QFile::exists(listPath("Tech")));
    EXPECT_EQ(sectors()->data().Cell(0, 1).Text, " Software");
    EXPECT_EQ(lists()->loadedSector(), "Software");
    key(symbols(), Qt::Key_Delete);
    EXPECT_EQ(readList("Software"), "IBM\r\nempty\r\nORCL\r\n") << "edits follow the renamed list";

    // Onto an existing list: refused, both lists kept, the old name shown again.
    click(sectors(), 1, Qt::RightButton);
    box->setText(QStringLiteral("Banks"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(readList("Banks"), "C\r\nJPM\r\n");
    EXPECT_EQ(readList("Software"), "IBM\r\nempty\r\nORCL\r\n");
    EXPECT_EQ(sectors()->data().Cell(0, 1).Text, " Software");

    // To its own name: nothing happens.
    m_dialogs.clear();
    click(sectors(), 1, Qt::RightButton);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(readList("Software"), "IBM\r\nempty\r\nORCL\r\n");
}

TEST_F(SymbolListsWindow, AListThatCannotBeReadChangesNothing)
{
    ASSERT_TRUE(QDir().mkpath(listPath("Broken")));  // a folder where the file should be
    openWindow();
    ASSERT_EQ(lists()->loadedSector(), "Banks");
    m_window->LoadGridTickers(listPath("Broken"));
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_TRUE(m_dialogs.messages().first().startsWith("The symbol list \"Broken\" cannot be read."));
    EXPECT_EQ(lists()->loadedSector(), "Banks");
    EXPECT_EQ(column(symbols()), (QStringList{" C", " JPM"}));
    key(symbols(), Qt::Key_Insert);
    EXPECT_EQ(readList("Banks"), "empty\r\nC\r\nJPM\r\n") << "edits go to the list on show";
    EXPECT_TRUE(QFileInfo(listPath("Broken")).isDir());

    // A path outside the lists folder is never read or repaired.
    m_dialogs.clear();
    m_window->LoadGridTickers(m_folders.data + "Escape.txt");
    EXPECT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_FALSE(QFile::exists(m_folders.data + "Escape.txt"));
    EXPECT_EQ(lists()->loadedSector(), "Banks");
}

TEST_F(SymbolListsWindow, SavingOverTheListOnShowReloadsIt)
{
    openTech();
    m_window->SaveSymbolList({"AMD", " NVDA "}, QStringLiteral("Tech"));
    EXPECT_EQ(readList("Tech"), "AMD\r\nNVDA\r\n");
    EXPECT_EQ(column(symbols()), (QStringList{" AMD", " NVDA"}));
    key(symbols(), Qt::Key_Delete);
    EXPECT_EQ(readList("Tech"), "NVDA\r\n");

    m_window->SaveSymbolList({"F", "GM"}, QStringLiteral("Autos"));
    EXPECT_EQ(readList("Autos"), "F\r\nGM\r\n");
    EXPECT_EQ(column(sectors()), (QStringList{" Autos", " Banks", " Tech"}));
    m_window->SaveSymbolList({}, QStringLiteral("Nothing"));
    m_window->SaveSymbolList({"X"}, QString());
    EXPECT_FALSE(QFile::exists(listPath("Nothing")));
}

TEST_F(SymbolListsWindow, NewQuotesColourBothRowsOfASymbol)
{
    writeList("Banks", "C\r\nJPM\r\nc\r\n");
    storePrice("C", 41.5f);
    storePrice("JPM", 30.0f);
    openWindow();
    lists()->quotesTick();
    EXPECT_EQ(column(symbols(), 1), (QStringList{"41.50 ", "30.00 ", "41.50 "}));

    storePrice("C", 43.25f);
    quotesTimer()->stop();
    m_window->BroadCastNewData(QStringLiteral("C"), 1);
    EXPECT_TRUE(quotesTimer()->isActive()) << "new data for a listed symbol starts the board";
    const GridData& g = symbols()->data();
    for (int row : {0, 2}) {
        EXPECT_EQ(g.Cell(1, row).Text, "43.25 ") << row;
        EXPECT_EQ(g.Cell(1, row).ForeColor, rgbValue(0, 190, 0)) << row;
    }
    EXPECT_EQ(g.Cell(1, 1).ForeColor, 0u);

    storePrice("C", 40.0f);
    m_window->BroadCastNewData(QStringLiteral(" C "), 4);
    EXPECT_EQ(g.Cell(1, 0).ForeColor, rgbValue(190, 0, 0));
    m_window->BroadCastNewData(QStringLiteral("JPM"), 1);
    EXPECT_EQ(g.Cell(1, 1).ForeColor, rgbValue(0, 0, 170));

    // The board's ticks fade the marks: red 190 is black after 21 ticks.
    for (int i = 0; i < 20; ++i)
        lists()->quotesTick();
    EXPECT_EQ(g.Cell(1, 0).ForeColor, rgbValue(90, 0, 0));
    EXPECT_EQ(g.Cell(1, 1).ForeColor, 0u);
    lists()->quotesTick();
    EXPECT_EQ(g.Cell(1, 0).ForeColor, 0u);
    EXPECT_EQ(quotesTimer()->interval(), 300);
}

TEST_F(SymbolListsWindow, ShuttingDownStopsTheBoardForGood)
{
    openWindow();
    ASSERT_TRUE(quotesTimer()->isActive());
    lists()->stopQuoteBoard();
    storePrice("C", 1.0f);
    lists()->colourQuote(QStringLiteral("C"));
    click(sectors(), 1);
    EXPECT_FALSE(quotesTimer()->isActive());
}

TEST_F(SymbolListsWindow, PortfolioPanel)
{
    openWindow();
    QWidget* panel = m_window->findChild<QWidget*>("picPortFolio");
    QAction* menu = m_window->findChild<QAction*>("mnuPortfolio");
    ASSERT_TRUE(panel && menu);
    EXPECT_FALSE(panel->isVisible());
    menu->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(menu->isChecked());
    EXPECT_EQ(m_window->findChild<QLabel*>("lblPortFolio")->text(), " PortFolio");
    const QString notice = m_window->findChild<QLabel*>("Label2")->text();
    EXPECT_TRUE(notice.contains("COMING") && notice.contains("\"self Refreshing\"") && notice.contains("PORTFOLIO"))
        << notice.toStdString();

    QWidget* bands = m_window->findChild<QWidget*>("pfGridBox");
    ASSERT_GT(bands->height(), 100);
    const QImage picture = bands->grab().toImage();
    EXPECT_EQ(picture.pixelColor(10, 15), QColor(26, 98, 132));
    EXPECT_EQ(picture.pixelColor(10, 45), QColor(46, 118, 152));
    EXPECT_EQ(picture.pixelColor(10, 75), QColor(26, 98, 132));

    const auto tallest = [&] { return static_cast<int>(m_window->centralWidget()->height() * 0.8); };
    EXPECT_LE(panel->height(), tallest());
    m_window->resize(900, 400);
    QApplication::processEvents();
    EXPECT_LE(panel->height(), tallest()) << "the limit follows the window";
    EXPECT_GT(panel->height(), tallest() - 40);

    QTest::mouseClick(m_window->findChild<QToolButton*>("pfClosebtn"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(menu->isChecked());
}
