// One program of a class working on one shared folder, through the program's own file owners:
// it makes COUNT random changes -- names added and deleted, a child's errors appended, the
// mandatory tasks saved -- answering every question as a patient teacher would (a busy file is
// always tried again), and prints each change the moment its owner has it in the files:
//   add NAME | del NAME | err CHILD TASK | dat TAG
// It deletes only names it added itself, and the children Kind0 to Kind3 at the top of the list
// stay, so their error files keep their numbers. Any other message is printed on stderr and
// fails the run. tests/models starts eight on one folder; scripts/shared-folder-check.sh runs
// that test on network file systems.
//   shared_folder_driver FOLDER ID COUNT
//   shared_folder_driver FOLDER --hold   takes the user list's lock, prints "locked", keeps it
#include "engine/training_state.h"
#include "models/mandatory_tasks.h"
#include "models/users.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

class TeacherDialogs final : public Dialogs {
public:
    QString name; // the next name typed
    bool failed = false;

    MsgResult msgBox(const QString& text, MsgStyles, const QString&) override
    {
        if (text.contains(QStringLiteral("wird gerade")))
            return MsgResult::Yes;
        if (text != QStringLiteral("Liste wurde gespeichert.\r")) {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
            failed = true;
        }
        return MsgResult::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return name; }
    QString passwordBox(const QString&, const QString&) override { return QStringLiteral("4"); }
    void beep() override { }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if ((args.size() != 4 && args.value(2) != u"--hold") || !QDir::setCurrent(args.at(1))) {
        std::fprintf(stderr, "usage: shared_folder_driver FOLDER ID COUNT | FOLDER --hold\n");
        return 2;
    }
    SystemClock clock;
    QTextStream out(stdout);
    if (args.at(2) == u"--hold") {
        FileLock lock(UserFile::path(), clock);
        if (lock.lock(60000) != FileLock::Result::Locked)
            return 1;
        out << "locked" << Qt::endl;
        QFile in;
        (void)in.open(stdin, QIODevice::ReadOnly);
        in.readAll(); // until killed
        return 0;
    }
    const QString id = args.at(2);
    const int count = args.at(3).toInt();
    TeacherDialogs dialogs;
    TrainingState state;
    state.expectedAnswer = QStringLiteral("4");
    Users users(dialogs, state, clock);
    MandatoryTasks mandatory(dialogs, clock);
    users.load();
    QRandomGenerator random(id.toUInt() * 7919u + 1u);
    QStringList own; // added here, not yet deleted
    QStringList appending; // "CHILD TASK", in the order given to the users model
    const auto written = [&] { // the errors no longer waiting are in their files
        while (appending.size() > users.waitingErrors())
            out << "err " << appending.takeFirst() << '\n';
    };
    const auto select = [&](const QString& name) {
        users.refresh();
        users.select(int(users.shownNames().indexOf(name)));
    };
    for (int i = 0; i < count && !dialogs.failed; ++i) {
        users.writeWaitingErrors(); // the next chance
        written();
        const QString tag = QStringLiteral("P%1-%2").arg(id).arg(i);
        const quint32 action = random.bounded(10);
        if (action < 3 || (action < 5 && own.isEmpty())) {
            dialogs.name = tag;
            users.addName();
            own << tag;
            out << "add " << tag << '\n';
        } else if (action < 5) {
            // Not a child whose errors still wait: the teacher would delete them with the name.
            const QString name = own.at(random.bounded(int(own.size())));
            if (!appending.filter(QRegularExpression(u'^' + name + u' ')).isEmpty())
                continue;
            own.removeOne(name);
            select(name);
            users.deleteSelected();
            out << "del " << name << '\n';
        } else if (action < 9) {
            const quint32 pick = random.bounded(4 + int(own.size()));
            const QString child = pick < 4 ? QStringLiteral("Kind%1").arg(pick) : own.at(pick - 4);
            select(child);
            users.saveErrors({ tag + QStringLiteral(" + 1 = ?") }, { QStringLiteral("1") });
            appending << child + u' ' + tag + QStringLiteral(" + 1 = ?");
            written();
        } else {
            mandatory.clear();
            mandatory.insert(tag + QStringLiteral(" a"), QStringLiteral("1"));
            mandatory.insert(tag + QStringLiteral(" b"), QStringLiteral("2"));
            mandatory.save();
            out << "dat " << tag << '\n';
        }
        out.flush();
    }
    while (users.waitingErrors() > 0 && !dialogs.failed)
        users.writeWaitingErrors(SharedFile::TeacherWaitMs);
    written();
    return dialogs.failed ? 1 : 0;
}
