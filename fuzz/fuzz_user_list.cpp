// ZIFTORA.INI as a parent may have edited it: whatever its bytes, the user list loads without a
// crash, always offers at least one user, lists at most a thousand, shows no name longer than the
// window allows, and a rewrite after a name came and went gives back exactly the names that were
// read.
#include "models/user_file.h"
#include "platform/clock.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput(QString::fromLatin1(UserFile::FileName), data, size);

    const SystemClock clock;
    UserFile users(clock);
    const UserFile::Loaded loaded = users.load();
    if (loaded != UserFile::Loaded::Names || users.names().isEmpty()
        || users.listedCount() > UserFile::MaxUsers)
        std::abort();
    for (int i = 0; i < users.listedCount(); ++i)
        if (shownName(users.names().at(i)).size() > UserFile::MaxShownLength + 1)
            std::abort();

    // A name added and removed again leaves the others as they were.
    const QStringList before = users.names();
    const QString added = QStringLiteral("Neu");
    if (!users.contains(added) && users.names().size() < UserFile::MaxUsers) {
        users.add(added);
        users.remove(users.names().lastIndexOf(added));
    }
    bool full = false;
    if (users.save(0, &full).done()) {
        UserFile again(clock);
        again.load();
        if (again.names() != before)
            std::abort();
    }
    return 0;
}
