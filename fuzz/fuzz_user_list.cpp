// ZIFTORA.INI as a parent may have edited it: whatever its bytes, the user list loads without a
// crash, always offers at least one user, lists at most a thousand, shows no name longer than the
// window allows, and a rewrite gives back exactly the names that were read.
#include "platform/text_file.h"
#include "training/user_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile file(QString::fromLatin1(UserFile::FileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    UserFile users;
    const UserFile::Loaded loaded = users.Load();
    if (loaded != UserFile::Loaded::Names || users.Names().isEmpty() || users.ListedCount() > UserFile::MaxUsers)
        std::abort();
    for (int i = 0; i < users.ListedCount(); ++i)
        if (ShownName(users.Names().at(i)).size() > UserFile::MaxShownLength + 1)
            std::abort();

    QString error;
    const QStringList before = users.Names();
    if (users.Save(&error)) {
        UserFile again;
        again.Load();
        if (again.Names() != before)
            std::abort();
    }
    return 0;
}
