#include "gui/app/Autosave.h"

#include <QTimer>

Autosave::Autosave(cairnly::GearDocument& document, std::function<void()> beforeWrite,
                   std::function<void(const std::vector<cairnly::Message>&)> tell, QObject* parent)
    : QObject(parent), document(document), beforeWrite(std::move(beforeWrite)), tell(std::move(tell)),
      timer(new QTimer(this)), writer([this](cairnly::WriteReport report) {
          // The outcome is told on the window's thread.
          QMetaObject::invokeMethod(
              this, [this, report] { finished(report); }, Qt::QueuedConnection);
      })
{
    timer->setObjectName(QStringLiteral("autosaveTimer"));
    timer->setSingleShot(true);
    timer->setInterval(delayMilliseconds);
    connect(timer, &QTimer::timeout, this, &Autosave::writeNow);
}

void Autosave::schedule()
{
    timer->start();
}

void Autosave::writeNow()
{
    timer->stop();
    if (document.hideNonSelected() || document.hideSelected())
        return;
    beforeWrite();
    writer.submit(document.prepareWrite());
}

void Autosave::stop()
{
    timer->stop();
    writer.cancelAndWait();
}

void Autosave::finished(const cairnly::WriteReport& report)
{
    if (!report.failed) {
        failureTold = false;
        return;
    }
    if (!failureTold)
        tell(report.messages);
    failureTold = true;
}
