// Compiled with the engine's own include path and definitions: a plain engine source must compile,
// the same source with a widget include must not.
#include "engine/task_engine.h"
#ifdef INCLUDE_A_WIDGET
#include <QWidget>
#endif

QStringList ProbeEntries()
{
    return TaskTypeEntries(1);
}
