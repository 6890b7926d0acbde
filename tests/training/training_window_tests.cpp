// The training window as a child and a teacher meet it.

#include "program_fixture.h"

#include <array>

#include "engine/task_engine.h"
#include "platform/controls.h"

class TrainingWindowTests : public QObject {
    Q_OBJECT
private slots:
    void startUp_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<int>("reward");
        QTest::addColumn<QStringList>("users");
        QTest::newRow("no file at all") << Files{} << 20 << QStringList{ "Standardbenutzer" };
        QTest::newRow("reward interval, children")
                << Files{ { "ZIFTORA.INF", "30\r\n" }, { "ZIFTORA.INI", "J\xfcrgen\r\nBen" } } << 30
                << QStringList{ "Jürgen", "Ben" };
        QTest::newRow("no number") << Files{ { "ZIFTORA.INF", "zwanzig\r\n" } } << 20
                                   << QStringList{ "Standardbenutzer" };
    }

    void startUp()
    {
        QFETCH(Files, files);
        QFETCH(int, reward);
        QFETCH(QStringList, users);
        ProgramFixture f;
        f.start(files);
        const TrainingWindow& w = f.trainingWindow();
        QCOMPARE(f.seen(),
                 Boxes{ ScriptedDialogs::msg("Keine Pflichtaufgaben!", 0, "Pflichtaufgaben") });
        QCOMPARE(w.windowTitle() + f.caption("rewardIntervalLabel"),
                 QStringLiteral("ZFT-Zaruzidovavivediv") + QString::number(reward));
        QCOMPARE(f.entries("UserWindow/userList") << f.caption("userNameLabel"),
                 users << users.first());
        QCOMPARE(f.caption("levelLabel") + f.caption("taskTypeLabel")
                         + f.caption("operationSignLabel") + f.caption("entryDisplay")
                         + f.caption("errorCountLabel") + f.caption("correctCountLabel"),
                 "Stufe 2 Plusrechnen+00");
        QVERIFY(f.entries("taskTypeList") == taskTypeEntries(Operation::Plus)
                && f.caption("taskLabel").endsWith(QStringLiteral(" = ?")));
        QVERIFY(!f.session().errorPractice() && !f.session().mandatoryMode()
                && f.control<QPushButton>("checkButton")->isDefault()
                && w.focusWidget() == f.control<QPushButton>("checkButton"));
        QCOMPARE(f.allFiles(), files); // settings and users are read, never written
    }

    void keysAndClosing_data()
    {
        // With a listed error and "4" in the entry, how: keys at `at` (ProgramFixture::Keys),
        // "click" on it or "frame" to close the training window (InfoWindow/ opens the information
        // window first). shown: level|entry|errors.
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QString>("shown");
        const Shown exit = ScriptedDialogs::msg("Dieses Programm jetzt beenden?\r", 276,
                                                "ZFT-Zaruzidovavivediv");
        const Boxes empty{ ScriptedDialogs::msg("Bitte Ergebnis eintragen!\r", 0,
                                                "Leeres Ergebnisfeld") };
        const auto row = [](const char* name, const char* at, const char* how, int answer,
                            const Boxes& boxes, const char* shown = "Stufe 2|4|1") {
            QTest::newRow(name) << QString(at) << QString(how) << answer << boxes << QString(shown);
        };
        const Boxes wrong{ ScriptedDialogs::msg("Das ist leider falsch!\r", 0, "Rechenfehler") };
        const int yes = int(MsgResult::Yes);
        row("signs at the list replace", "taskTypeList", "12<=", 0, {}, "Stufe 2|=|1");
        row("arrow at the level bar", "levelBar", "L", 0, {}, "Stufe 3||1");
        row("Enter at a digit button", "digit7Button", "BN", 0, empty, "Stufe 2||1");
        row("held Return checks once", "checkButton", "RH", 0, wrong, "Stufe 2||2");
        row("star asks the password once", "taskTypeList", "*", 0,
            { ScriptedDialogs::password("Pflichtaufgaben beenden?") });
        row("Escape, No", "taskTypeList", "E", int(MsgResult::No), { exit });
        row("exit icon, Yes", "exitPicture", "click", yes, { exit });
        row("frame, Yes", "taskTypeList", "frame", yes, { exit });
        row("information window, a click", "InfoWindow/okayLabel", "click", 0, {});
        row("information window, Escape", "InfoWindow/okayLabel", "E", 0, {});
    }

    void keysAndClosing()
    {
        QFETCH(QString, at);
        QFETCH(QString, how);
        QFETCH(int, answer);

        ProgramFixture f;
        f.startQuietly();
        f.putTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
        f.answer(QStringLiteral("5"));
        f.type(QStringLiteral("4"));
        f.seen();
        const Files before = f.allFiles(); // ending does not save the listed error
        QWidget& info = *f.window(QStringLiteral("InfoWindow"));
        if (at.startsWith(QLatin1String("InfoWindow/"))) {
            f.click("infoPicture");
            QCOMPARE(info.windowTitle() + f.caption("InfoWindow/okayLabel"),
                     QStringLiteral("Programm-InfoO k a y"));
        }
        if (answer || how == QLatin1String("*"))
            answer ? f.dialogs.answerMsg(answer)
                   : f.password(QStringLiteral("8")); // a wrong password keeps the mode
        if (how == QLatin1String("frame"))
            QCOMPARE(f.trainingWindow().close(), answer == int(MsgResult::Yes));
        else if (how == QLatin1String("click"))
            f.click(at);
        else
            for (const QChar k : how) // B Backspace, N keypad Enter, R Return, H Return held,
                                      // E Escape, L right arrow, else typed
                k == u'H' ? f.holdReturn(at)
                        : QStringLiteral("BNREL").contains(k)
                        ? f.key(std::array{ Qt::Key_Backspace, Qt::Key_Enter, Qt::Key_Return,
                                            Qt::Key_Escape,
                                            Qt::Key_Right }[QStringLiteral("BNREL").indexOf(k)],
                                at, 1, k == u'N' ? Qt::KeypadModifier : Qt::NoModifier)
                        : f.type(k, at);
        QTEST(f.seen(),
              "boxes"); // each key acts once; the information window takes its keys itself
        QTEST(f.caption("levelLabel") + u'|' + f.caption("entryDisplay") + u'|'
                      + f.caption("errorCountLabel"),
              "shown");
        QCOMPARE(f.caption("taskLabel") == QLatin1String("Aufgabe"), how != QLatin1String("L"));
        QVERIFY(f.program().hasEnded() == (answer == int(MsgResult::Yes))
                && f.trainingWindow().isVisible() != f.program().hasEnded());
        QVERIFY(!info.isVisible());
        QCOMPARE(f.allFiles(), before);
    }
};

QTEST_MAIN(TrainingWindowTests)
#include "training_window_tests.moc"
