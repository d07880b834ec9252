#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a shutdown, a closed terminal, Ctrl+C)
// into a call of `end` from the event loop. The signal handler only writes
// a byte to a pipe; all the work happens outside it. One at a time; the
// default handlers come back when it is destroyed.
class CPoliteEnd : public QObject {
public:
    explicit CPoliteEnd(std::function<void()> end, QObject* parent = nullptr);
    ~CPoliteEnd() override;
    CPoliteEnd(const CPoliteEnd&) = delete;
    CPoliteEnd& operator=(const CPoliteEnd&) = delete;

private:
    void OnSignal();

    std::function<void()> m_end;
    QSocketNotifier* m_notifier = nullptr;
};
