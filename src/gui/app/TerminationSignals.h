#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP (the terminal went) and SIGINT (Ctrl+C there) ask the program to end as a close does.
// A signal handler may call nothing of Qt, so it only writes a byte to a socket; the socket's notifier
// hands the request to the event loop.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // The signals end the program at once again, as they did before.
    ~TerminationSignals() override;

signals:
    void received();

private:
    QSocketNotifier* notifier = nullptr;
};
