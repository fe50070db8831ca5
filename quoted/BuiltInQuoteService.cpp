#include "BuiltInQuoteService.h"

#include <QThread>

QuoteServiceOptions BuiltInQuoteService::defaultOptions()
{
    QuoteServiceOptions options;
    options.replay = true;
    return options;
}

BuiltInQuoteService::BuiltInQuoteService(const QString& dir, QuoteServiceOptions options)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("quote service"));
    m_thread->start();

    // The service is loaded and started inside its thread, so that its sockets belong
    // to that thread's event loop; this thread waits for the outcome.
    auto* service = new QuoteService(std::move(options));
    service->moveToThread(m_thread);
    bool started = false;
    QMetaObject::invokeMethod(
        service,
        [&] { started = service->load(dir) && service->listen(QHostAddress::LocalHost, 0); },
        Qt::BlockingQueuedConnection);
    m_service = service;
    if (started)
        m_port = service->port();
    else
        m_error = service->errorString();
}

BuiltInQuoteService::~BuiltInQuoteService()
{
    QuoteService* service = m_service;
    QMetaObject::invokeMethod(service, [service] { delete service; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}
