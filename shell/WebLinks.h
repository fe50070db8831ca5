#pragma once

#include <QString>

// Addresses of the outside web pages the main window opens.

// The program's own pages (Help menu).
inline constexpr char kHomePageCaption[] = "www.tarnbeck.example";
QString homePageUrl();
QString chatRoomUrl();
QString clubUrl();

// The Links menu: page i (0..7) in menu order; empty for any other i.
inline constexpr int kLinkCount = 8;
QString linkPageUrl(int i);

// The symbol pages of the Ticker menu, action 3 (News) to 9 (Intraday chart); empty
// for any other action or a blank symbol. The symbol is percent-encoded where it
// enters the address, so a symbol cannot add path parts or query keys.
QString tickerPageUrl(int action, const QString& symbol);
