#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The program's texts keep their exact characters: lines end in CR LF, in a lone CR, or in the
// pair LF CR, and many texts close with a CR. For the screen each of these becomes one line break,
// and breaks at the very end are dropped so no empty line shows under the text.
QString displayLines(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            shown.append(c);
            continue;
        }
        shown.append(u'\n');
        const QChar partner = c == u'\r' ? u'\n' : u'\r';
        if (i + 1 < text.size() && text.at(i + 1) == partner)
            ++i;
    }
    while (shown.endsWith(u'\n'))
        shown.chop(1);
    return shown;
}

} // namespace

MsgResult QtDialogs::msgBox(const QString& text, MsgStyles style, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    // Plain text: tasks hold "<" and ">", which must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayLines(text));

    switch (messageIcon(style)) {
    case MsgStyle::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgStyle::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }

    if (!style.testFlag(MsgStyle::YesNo)) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MsgResult::Ok;
    }

    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(style.testFlag(MsgStyle::DefaultButton2) ? no : yes);
    box.setEscapeButton(no); // Escape and the window's close box answer No
    box.exec();
    return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return askText(prompt, title, defaultText, false);
}

QString QtDialogs::passwordBox(const QString& prompt, const QString& title)
{
    // A child beside the teacher must not read the password as it is typed.
    return askText(prompt, title, QString(), true);
}

QString QtDialogs::askText(const QString& prompt, const QString& title, const QString& defaultText,
                           bool hidden)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(displayLines(prompt));
    dialog.setTextValue(defaultText);
    dialog.setTextEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (QLabel* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtDialogs::beep()
{
    QApplication::beep();
}
