#pragma once

#include <QString>

// What the task engine needs of the training window: the task label, the entry display, the
// task-type list and the mandatory list. The window implements it; the engine has no widgets.
class TaskScreen {
public:
    virtual ~TaskScreen() = default;

    virtual void setTaskText(const QString& text) = 0; // caption of Bezeichnung1
    virtual void setEntryDisplay(const QString& text) = 0; // caption of Bezeichnung2

    // Liste1, the task types. selectTaskType runs the list's click handling, as a click does.
    virtual void clearTaskTypes() = 0;
    virtual void addTaskType(const QString& entry) = 0;
    virtual void selectTaskType(int index) = 0;

    // Liste2, the mandatory list (task line, answer line, task line, ...).
    virtual int mandatoryCount() const = 0;
    virtual QString mandatoryEntry(int index) const = 0;
    virtual void removeMandatoryEntries(int first, int count) = 0;

    // Parks the mandatory cover Befehl28 outside the window (mandatory mode off).
    virtual void endMandatoryMode() = 0;
};
