// ZIFTORA.INI as a parent may have edited it: whatever its bytes, the user list loads without a
// crash, always offers at least one user, lists at most a thousand, shows no name longer than the
// window allows, and a rewrite gives back exactly the names that were read.
#include "training/user_file.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteInput(QString::fromLatin1(UserFile::FileName), data, size);

    UserFile users;
    const UserFile::Loaded loaded = users.Load();
    if (loaded != UserFile::Loaded::Names || users.Names().isEmpty()
        || users.ListedCount() > UserFile::MaxUsers)
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
