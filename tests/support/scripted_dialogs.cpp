#include "scripted_dialogs.h"

#include <QTest>

namespace {

template<typename T>
T next(QList<T>& queue, const char* kind, const QString& text, const QString& title, T none)
{
    if (!queue.isEmpty())
        return queue.takeFirst();
    const QByteArray why =
            QByteArray("unscripted ") + kind + ": " + text.toUtf8() + " / " + title.toUtf8();
    QTest::qFail(why.constData(), __FILE__, __LINE__);
    return none;
}

} // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    // A scripted answer that no box asked for means the program did not ask what the test expected.
    if (pendingAnswers() > 0 && !QTest::currentTestFailed())
        QTest::qFail("a scripted dialog answer was never asked for", __FILE__, __LINE__);
}

MsgResult ScriptedDialogs::msgBox(const QString& text, MsgStyles style, const QString& title)
{
    shown.append(msg(text, style.toInt(), title));
    whileOpen();
    return !style.testFlag(MsgStyle::YesNo)
            ? MsgResult::Ok
            : next(msgAnswers_, "Yes/No box", text, title, MsgResult::No);
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    shown.append(input(prompt, title, defaultText));
    whileOpen();
    return next(inputAnswers_, "input box", prompt, title, QString());
}

QString ScriptedDialogs::passwordBox(const QString& prompt, const QString& title)
{
    shown.append(Shown{ QStringLiteral("password"), prompt, 0, title, QString() });
    whileOpen();
    return next(passwordAnswers_, "password box", prompt, title, QString());
}

char* toString(const ScriptedDialogs::Shown& s)
{
    const QString text = QString(s.text)
                                 .replace(u'\r', QLatin1String("\\r"))
                                 .replace(u'\n', QLatin1String("\\n"));
    return QTest::toString(QStringLiteral("%1 [%2] style %3 title [%4] default [%5]")
                                   .arg(s.kind, text)
                                   .arg(s.style)
                                   .arg(s.title, s.defaultText));
}
