// A lock file as another program, another computer or a broken disk may have left it beside a
// data file: whatever it holds, a lock attempt either takes the lock (and gives it back, leaving
// nothing) or finds it busy and leaves the file as it was; its lines read back as they are written.
#include "fuzz_input.h"
#include "platform/clock.h"
#include "platform/file_lock.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LockHolder holder = LockHolder::fromBytes(bytes);
    if (!(LockHolder::fromBytes(holder.toBytes()) == holder))
        std::abort();

    const QString lockPath = writeInput(QStringLiteral("ZIFTORA.INI.lock"), data, size);
    static SystemClock clock;
    FileLock lock(QStringLiteral("ZIFTORA.INI"), clock);
    switch (lock.lock(0)) {
    case FileLock::Result::Locked:
        lock.unlock();
        if (QFile::exists(lockPath))
            std::abort();
        break;
    case FileLock::Result::Busy: {
        QFile file(lockPath);
        if (!(lock.holder() == holder) || !file.open(QIODevice::ReadOnly)
            || file.readAll() != bytes)
            std::abort();
        break;
    }
    case FileLock::Result::Failed:
        std::abort();
    }
    return 0;
}
