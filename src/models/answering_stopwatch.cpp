#include "models/answering_stopwatch.h"

#include "platform/clock.h"

#include <algorithm>

void AnsweringStopwatch::start()
{
    started_ = true;
    countedMs_ = 0;
    runningSince_ = openBoxes_ > 0 ? QDateTime() : clock_.now();
}

void AnsweringStopwatch::pause()
{
    if (openBoxes_++ == 0 && started_) {
        countedMs_ += runningMs();
        runningSince_ = QDateTime();
    }
}

void AnsweringStopwatch::resume()
{
    if (openBoxes_ == 0)
        return;
    if (--openBoxes_ == 0 && started_)
        runningSince_ = clock_.now();
}

qint64 AnsweringStopwatch::runningMs() const
{
    return runningSince_.isValid() ? std::max<qint64>(0, runningSince_.msecsTo(clock_.now())) : 0;
}

qint64 AnsweringStopwatch::elapsedMs() const
{
    return std::min(CapMs, countedMs_ + runningMs());
}

namespace {

// Pauses the stopwatch for as long as it lives.
class OpenBox {
public:
    explicit OpenBox(AnsweringStopwatch& stopwatch) : stopwatch_(stopwatch) { stopwatch_.pause(); }
    ~OpenBox() { stopwatch_.resume(); }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    AnsweringStopwatch& stopwatch_;
};

} // namespace

MsgResult PausingDialogs::msgBox(const QString& text, MsgStyles style, const QString& title)
{
    const OpenBox open(stopwatch_);
    return dialogs_.msgBox(text, style, title);
}

QString PausingDialogs::inputBox(const QString& prompt, const QString& title,
                                 const QString& defaultText)
{
    const OpenBox open(stopwatch_);
    return dialogs_.inputBox(prompt, title, defaultText);
}

QString PausingDialogs::passwordBox(const QString& prompt, const QString& title)
{
    const OpenBox open(stopwatch_);
    return dialogs_.passwordBox(prompt, title);
}
