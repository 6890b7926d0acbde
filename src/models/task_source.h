#pragma once

#include <QString>

// Where the worksheet gets its tasks: a new task exactly as training generates it (in mandatory
// mode the generator first goes back to plus, and stays there), so afterwards the training window
// shows this task and expects its answer.
class TaskSource {
public:
    virtual ~TaskSource() = default;
    struct Task {
        QString text; // as the training window shows it, "?" where the answer goes
        QString answer;
    };
    virtual Task nextTask() = 0;
};
