#pragma once

#include "QuoteService.h"

#include <QString>

class QThread;

// The quote service on a thread of its own, for the program to use when no outside
// service is configured: it listens on 127.0.0.1 on a free port over `dir`.
// The constructor returns once the service listens (or has failed); the destructor
// stops it and its thread.
class BuiltInQuoteService {
public:
    // Replays by default, so that the bundled sample data looks current.
    static QuoteServiceOptions defaultOptions();

    explicit BuiltInQuoteService(const QString& dir, QuoteServiceOptions options = defaultOptions());
    ~BuiltInQuoteService();
    BuiltInQuoteService(const BuiltInQuoteService&) = delete;
    BuiltInQuoteService& operator=(const BuiltInQuoteService&) = delete;

    bool isRunning() const { return m_port != 0; }
    // The port it listens on, 0 when it could not start.
    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }

private:
    QThread* m_thread = nullptr;
    QuoteService* m_service = nullptr;   // lives in m_thread
    quint16 m_port = 0;
    QString m_error;
};
