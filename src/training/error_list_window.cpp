#include "training/error_list_window.h"

#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/print_job.h"
#include "platform/text_file.h"
#include "platform/controls.h"
#include "training/error_file.h"
#include "training/user_window.h"
#include "models/worksheet_sheets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 4950; // twips
constexpr int ClientHeight = 5790; // twips

template<typename Control>
Control* named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::place(control, left, top, width, height);
    return control;
}

} // namespace

ErrorListWindow::ErrorListWindow(Dialogs& dialogs, UserWindow& users, Printer& printer)
    : QWidget(nullptr), dialogs_(dialogs), users_(users), printer_(printer)
{
    setObjectName(QStringLiteral("ErrorListWindow"));
    setWindowTitle(QStringLiteral("Ziftora: Fehlerliste"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    auto label = [this](const QString& caption) { return new QLabel(caption, this); };
    auto button = [this](const QString& caption) { return new QPushButton(caption, this); };

    previousUserButton_ =
            named(button(QStringLiteral("<")), "previousUserButton", 120, 120, 375, 495);
    userNameLabel_ = named(label(QString()), "userNameLabel", 480, 120, 3975, 495);
    nextUserButton_ = named(button(QStringLiteral(">")), "nextUserButton", 4440, 120, 375, 495);
    taskCaption_ =
            named(label(QStringLiteral("Fehleraufgaben")), "taskCaption", 120, 720, 2535, 375);
    answerCaption_ = named(label(QStringLiteral("Lösung")), "answerCaption", 2760, 720, 975, 375);
    sortedAnswerCaption_ =
            named(label(QStringLiteral("gemischt")), "sortedAnswerCaption", 3840, 720, 975, 375);
    taskList_ = named(new ListBox(this), "taskList", 120, 1080, 2535, 3345);
    answerList_ = named(new ListBox(this), "answerList", 2760, 1080, 975, 3345);
    sortedAnswerList_ =
            named(new ListBox(this, /*sorted=*/true), "sortedAnswerList", 3840, 1080, 975, 3345);
    taskList_->setAccessibleName(QStringLiteral("Fehleraufgaben"));
    answerList_->setAccessibleName(QStringLiteral("Lösungen"));
    sortedAnswerList_->setAccessibleName(QStringLiteral("Lösungen, sortiert"));
    previousUserButton_->setAccessibleName(QStringLiteral("Voriger Benutzer"));
    nextUserButton_->setAccessibleName(QStringLiteral("Nächster Benutzer"));
    cancelButton_ = named(button(QStringLiteral("Abbruch")), "cancelButton", 120, 4560, 1215, 495);
    printWithAnswersButton_ = named(button(QStringLiteral("Drucken mit richtiger Lösung")),
                                    "printWithAnswersButton", 1440, 4560, 3375, 495);
    deleteButton_ = named(button(QStringLiteral("Löschen")), "deleteButton", 120, 5160, 1215, 495);
    printWithMixedAnswersButton_ = named(button(QStringLiteral("Drucken mit gemischter Lösung")),
                                         "printWithMixedAnswersButton", 1440, 5160, 3375, 495);

    QFont large = previousUserButton_->font();
    large.setPointSize(14);
    large.setBold(true);
    previousUserButton_->setFont(large);
    nextUserButton_->setFont(large);
    QFont name = userNameLabel_->font();
    name.setPointSize(14);
    userNameLabel_->setFont(name);
    userNameLabel_->setAlignment(Qt::AlignCenter);
    userNameLabel_->setTextFormat(Qt::PlainText);
    previousUserButton_->setAccessibleName(QStringLiteral("Voriger Benutzer"));
    previousUserButton_->setToolTip(QStringLiteral("Fehlerliste des vorigen Benutzers laden"));
    nextUserButton_->setAccessibleName(QStringLiteral("Nächster Benutzer"));
    nextUserButton_->setToolTip(QStringLiteral("Fehlerliste des nächsten Benutzers laden"));

    connect(cancelButton_, &QPushButton::clicked, this, &ErrorListWindow::cancel);
    connect(printWithAnswersButton_, &QPushButton::clicked, this,
            &ErrorListWindow::printWithAnswers);
    connect(printWithMixedAnswersButton_, &QPushButton::clicked, this,
            &ErrorListWindow::printWithMixedAnswers);
    connect(deleteButton_, &QPushButton::clicked, this, &ErrorListWindow::deleteErrors);
    connect(previousUserButton_, &QPushButton::clicked, this, &ErrorListWindow::showPreviousUser);
    connect(nextUserButton_, &QPushButton::clicked, this, &ErrorListWindow::showNextUser);

    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        cancel();
        return true;
    });
}

void ErrorListWindow::open(const QString& userName, const QPoint& trainingWindowAt)
{
    userNameLabel_->setText(userName);
    if (!isVisible())
        move(trainingWindowAt);
    show();
    activateWindow();
}

int ErrorListWindow::errorCount() const
{
    return taskList_->listCount();
}

bool ErrorListWindow::hasError(const QString& task) const
{
    return taskList_->entries().contains(task);
}

QStringList ErrorListWindow::tasks() const
{
    return taskList_->entries();
}

QStringList ErrorListWindow::answers() const
{
    return answerList_->entries();
}

bool ErrorListWindow::takeFirstError(QString* task, QString* answer)
{
    if (taskList_->listCount() == 0)
        return false;
    *task = taskList_->list(0);
    *answer = answerList_->list(0);
    taskList_->removeItem(0);
    answerList_->removeItem(0);
    // One of possibly several equal answers leaves the sorted list with it.
    sortedAnswerList_->removeFirst(*answer);
    return true;
}

void ErrorListWindow::cancel()
{
    hide();
    emit closed();
}

// Printing: the list becomes a sheet to practise on paper, in the layout of the worksheet's
// "Alles ausdrucken", with the answers in task order (to fold away) or sorted (to search for).

void ErrorListWindow::printWithAnswers()
{
    printList(answerList_);
}

void ErrorListWindow::printWithMixedAnswers()
{
    printList(sortedAnswerList_);
}

void ErrorListWindow::printList(const ListBox* solutions)
{
    const QString title = QStringLiteral("Drucken");
    if (taskList_->listCount() == 0) {
        dialogs_.msgBox(QStringLiteral("Die Fehlerliste ist leer."), MsgStyle::OkOnly, title);
        return;
    }
    if (dialogs_.msgBox(QStringLiteral("Fehlerliste mit Lösungen drucken?\r"),
                        MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, title)
        != MsgResult::Yes)
        return;
    printer_.print(Sheets::errorListSheet(taskList_->entries(), solutions->entries(),
                                          solutions == answerList_ ? Sheets::Solutions::Beside
                                                                   : Sheets::Solutions::Mixed));
}

void ErrorListWindow::clearLists()
{
    taskList_->clear();
    answerList_->clear();
    sortedAnswerList_->clear();
}

void ErrorListWindow::deleteErrors()
{
    clearLists();
}

void ErrorListWindow::showPreviousUser()
{
    browse(-1);
}

void ErrorListWindow::showNextUser()
{
    browse(+1);
}

void ErrorListWindow::browse(int step)
{
    const int count = users_.userCount();
    // With no user at all there is no file to show; the list on screen stays as it is.
    if (count == 0)
        return;
    int n = users_.userNumber() + step;
    if (n < 0)
        n = count - 1;
    if (n > count - 1)
        n = 0;
    userNameLabel_->setText(users_.shownName(n));
    users_.selectUser(n);
    loadErrorFile();
}

void ErrorListWindow::loadErrorFile()
{
    const QString fileName = ErrorFile::name(users_.userNumber());
    clearLists();
    // A missing file, or a user without a file of their own, shows an empty list; so does a file
    // that is there but cannot be read, which is said and left as it is.
    QStringList tasks;
    QStringList answers;
    if (fileName.isEmpty())
        return;
    if (!ErrorFile::read(fileName, &tasks, &answers)) {
        if (TextFile::kind(fileName) != TextFile::FileKind::Absent)
            dialogs_.msgBox(QStringLiteral("Die Fehlerdatei %1 konnte nicht gelesen werden.\r")
                                    .arg(fileName),
                            MsgStyle::Information, QStringLiteral("Fehlerliste"));
        return;
    }
    taskList_->addItems(tasks);
    answerList_->addItems(answers);
    sortedAnswerList_->addItems(answers);
}

void ErrorListWindow::addError(const QString& task, const QString& answer)
{
    taskList_->addItem(task);
    answerList_->addItem(answer);
    sortedAnswerList_->addItem(answer);
}

void ErrorListWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cancel();
}
