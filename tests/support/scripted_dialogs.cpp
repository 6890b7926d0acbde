#include "scripted_dialogs.h"

#include <QTest>

int ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title)
{
    shown.append(Msg(text, style, title));
    const bool yesNo = (style & 7) == MsgStyle::YesNo;
    if (!yesNo && msgAnswers_.isEmpty())
        return MsgResult::Ok;
    if (msgAnswers_.isEmpty()) {
        const QByteArray why = "unscripted message box: " + text.toUtf8() + " / " + title.toUtf8();
        QTest::qFail(why.constData(), __FILE__, __LINE__);
        return MsgResult::No;
    }
    return msgAnswers_.takeFirst();
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    shown.append(Input(prompt, title, defaultText));
    if (inputAnswers_.isEmpty()) {
        const QByteArray why = "unscripted input box: " + prompt.toUtf8() + " / " + title.toUtf8();
        QTest::qFail(why.constData(), __FILE__, __LINE__);
        return QString();
    }
    return inputAnswers_.takeFirst();
}

char* toString(const ScriptedDialogs::Shown& s)
{
    QString t = s.text;
    t.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QTest::toString(s.kind + QLatin1String(" [") + t + QLatin1String("] style ")
                           + QString::number(s.style) + QLatin1String(" title [") + s.title
                           + QLatin1String("] default [") + s.defaultText + QLatin1Char(']'));
}
