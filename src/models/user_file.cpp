#include "models/user_file.h"

#include "platform/text_file.h"

namespace {

QString path()
{
    return QString::fromLatin1(UserFile::FileName);
}

} // namespace

UserFile::Loaded UserFile::load()
{
    names_.clear();
    unreadable_ = false;
    Loaded result = Loaded::Names;
    if (!TextFile::readLines(path(), &names_)) {
        names_.clear();
        unreadable_ = TextFile::kind(path()) != TextFile::FileKind::Absent;
        result = unreadable_ ? Loaded::Unreadable : Loaded::Missing;
    }
    if (names_.isEmpty())
        names_.append(QStringLiteral("Standardbenutzer"));
    return result;
}

void UserFile::remove(int number)
{
    if (number >= 0 && number < names_.size())
        names_.removeAt(number);
}

bool UserFile::save(QString* error) const
{
    if (unreadable_) {
        *error = QStringLiteral(
                         "Die Datei %1 konnte beim Start nicht gelesen werden und wird darum nicht "
                         "überschrieben.")
                         .arg(path());
        return false;
    }
    return TextFile::replaceLines(path(), names_, error);
}

QString shownName(const QString& name)
{
    if (name.size() <= UserFile::MaxShownLength)
        return name;
    return name.left(UserFile::MaxShownLength) + QChar(0x2026);
}
