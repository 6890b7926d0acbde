#pragma once

#include <QObject>

class Dialogs;

// After how many tasks a game round comes, as the trophy icon tells it: the one number in
// ZIFTORA.INF, read at start. This is the one place that reads the file; the program never writes
// it. (The round itself comes at every 20th counted right answer, whatever the file says.)
class RewardInterval : public QObject {
    Q_OBJECT
public:
    static constexpr const char* FileName = "ZIFTORA.INF";
    static constexpr qint16 Default = 20;

    explicit RewardInterval(Dialogs& dialogs);

    qint16 value() const { return value_; }

    // Reads the file. A missing or empty file, or one whose first value is no number, keeps 20; a
    // file that is there but cannot be read keeps 20 and says so.
    void load();

signals:
    void changed();

private:
    Dialogs& dialogs_;
    qint16 value_ = Default;
};
