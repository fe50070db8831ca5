// Feeds arbitrary bytes to the downloader's reply parsers and text helpers. The first
// byte picks the parser; the rest is the reply, read as 8-bit characters the way the
// client hands it over. Nothing is stored: the history reader only reads.

#include "AppFolders.h"
#include "HistoryParser.h"
#include "QuoteParser.h"
#include "QuoteRecord.h"
#include "ReplyValues.h"
#include "TextTokens.h"

#include <QDir>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool folders = [] {
        // ParseError.txt goes to a scratch folder, not the working folder.
        const QString root = QDir::tempPath() + QStringLiteral("/tarnbeck-fuzz");
        QDir().mkpath(root);
        setAppFolders(foldersUnder(root));
        return true;
    }();
    (void)folders;
    if (size == 0)
        return 0;
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 4) {
    case 0: {
        const HistoryReply r = readHistoryReply(reply);
        for (const DailyBar& b : r.bars) {
            if (b.Status != BarStatus::Final || b.Date < 10000101 || b.Date > 99991231)
                __builtin_trap();
        }
        break;
    }
    case 1: {
        QuoteRecord q;
        ParseStockQuote(ReplyBody(reply), q);
        break;
    }
    case 2: {
        QuoteRecord q;
        ParseDetails(reply, q);
        break;
    }
    default: {
        int pos = int(data[0]) % 8;
        QString eol = QStringLiteral("\n");
        for (int i = 0; i < 16; ++i) {
            const QString t = ReadToken(reply, QStringLiteral(","), pos, 1000, eol);
            if (t.size() > 1000)
                __builtin_trap();
        }
        readMoment(reply.left(64));
        ProperCase(reply.left(64));
        SuffixValue(reply.left(64));
        break;
    }
    }
    return 0;
}
