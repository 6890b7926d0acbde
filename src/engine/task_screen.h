#pragma once

#include <QString>

// What the task engine needs of the training window: the task label, the entry display, the
// task-type list and the mandatory list. The window implements it; the engine has no widgets.
class TaskScreen {
public:
    virtual ~TaskScreen() = default;

    virtual void setTaskText(const QString& text) = 0; // the task label
    virtual void setEntryDisplay(const QString& text) = 0; // the entry display

    // The task-type list. selectTaskType runs the list's click handling, as a click does.
    virtual void clearTaskTypes() = 0;
    virtual void addTaskType(const QString& entry) = 0;
    virtual void selectTaskType(int index) = 0;

    // The mandatory list (task line, answer line, task line, ...).
    virtual int mandatoryCount() const = 0;
    virtual QString mandatoryEntry(int index) const = 0;
    virtual void removeMandatoryEntries(int first, int count) = 0;

    // Parks the mandatory cover outside the window (mandatory mode off).
    virtual void endMandatoryMode() = 0;
};
