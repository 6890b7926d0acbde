#include "scripted_dialogs.h"

#include <QTest>

namespace {
// The next scripted answer to the box just recorded; none fails the test.
template<typename T>
T next(QList<T>& answers, const ScriptedDialogs::Shown& box, T none)
{
    if (answers.isEmpty())
        QTest::qFail(qPrintable("unscripted " + box.kind + " box: " + box.text + " / " + box.title),
                     __FILE__, __LINE__);
    return answers.isEmpty() ? none : answers.takeFirst();
}
} // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    // A scripted answer that no box asked for means the program did not ask what the test expected.
    if (msgAnswers_.size() + inputAnswers_.size() + passwordAnswers_.size() > 0
        && !QTest::currentTestFailed())
        QTest::qFail("a scripted dialog answer was never asked for", __FILE__, __LINE__);
}

MsgResult ScriptedDialogs::msgBox(const QString& text, MsgStyles style, const QString& title)
{
    shown.append(msg(text, style.toInt(), title));
    whileOpen();
    return style.testFlag(MsgStyle::YesNo) ? next(msgAnswers_, shown.last(), MsgResult::No)
                                           : MsgResult::Ok;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    shown.append(input(prompt, title, defaultText));
    whileOpen();
    return next(inputAnswers_, shown.last(), QString());
}

QString ScriptedDialogs::passwordBox(const QString& prompt, const QString& title)
{
    shown.append({ "password", prompt, 0, title, {} });
    whileOpen();
    return next(passwordAnswers_, shown.last(), QString());
}

char* toString(const ScriptedDialogs::Shown& s)
{
    const QString text = QString(s.text).replace("\r", "\\r").replace("\n", "\\n");
    return QTest::toString(QString("%1 [%2] style %3 title [%4] default [%5]")
                                   .arg(s.kind, text)
                                   .arg(s.style)
                                   .arg(s.title, s.defaultText));
}
