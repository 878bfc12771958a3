#include "core/instance/singleapplication.h"

#include "core/instance/singleapplicationprivate.h"

namespace korvane::core {

SingleApplication::SingleApplication(
    int& argc, char** argv, bool allowSecondary, Options options, int timeout)
    : Application(argc, argv)
    , d(new SingleApplicationPrivate(this, options))
{
    d->start(allowSecondary, timeout);
}

SingleApplication::~SingleApplication()
{
    delete d;
}

bool SingleApplication::isPrimary() const
{
    return d->server != nullptr;
}

bool SingleApplication::isSecondary() const
{
    return d->server == nullptr;
}

quint32 SingleApplication::instanceId() const
{
    return d->instanceNumber;
}

qint64 SingleApplication::primaryPid() const
{
    return d->primaryPid();
}

bool SingleApplication::sendMessage(const QByteArray& message, int timeout)
{
    return d->sendMessage(message, timeout);
}

bool SingleApplication::handOver()
{
    return d->handOver();
}

} // namespace korvane::core
