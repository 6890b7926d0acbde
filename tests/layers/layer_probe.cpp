// Built with the flags of a library that may see QtCore and the platform core only: compiles plain,
// must not compile with a widget include.
#include "platform/random_source.h"

#include <QString>
#ifdef INCLUDE_A_WIDGET
#  include <QWidget>
#endif

QString probeText()
{
    return QStringLiteral("Ziftora");
}
