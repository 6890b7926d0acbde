// Built with the engine's flags: compiles plain, must not compile with a widget include.
#include "engine/task_engine.h"
#ifdef INCLUDE_A_WIDGET
#include <QWidget>
#endif

QStringList ProbeEntries() { return TaskTypeEntries(1); }
