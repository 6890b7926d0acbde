#include "training/error_list_window.h"

#include "models/error_list.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/print_job.h"
#include "models/worksheet_sheets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 4950; // twips
constexpr int ClientHeight = 6390; // twips

} // namespace

ErrorListWindow::ErrorListWindow(ErrorList& errors, Dialogs& dialogs, Printer& printer)
    : QWidget(nullptr), errors_(errors), dialogs_(dialogs), printer_(printer)
{
    setObjectName(QStringLiteral("ErrorListWindow"));
    setWindowTitle(QStringLiteral("Ziftora: Fehlerliste"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    buildControls();

    connect(cancelButton_, &QPushButton::clicked, this, &ErrorListWindow::cancel);
    connect(printWithAnswersButton_, &QPushButton::clicked, this, [this] { print(false); });
    connect(printWithMixedAnswersButton_, &QPushButton::clicked, this, [this] { print(true); });
    connect(deleteButton_, &QPushButton::clicked, &errors_, &ErrorList::clear);
    connect(previousUserButton_, &QPushButton::clicked, this, [this] { errors_.browse(-1); });
    connect(nextUserButton_, &QPushButton::clicked, this, [this] { errors_.browse(+1); });
    connect(progressButton_, &QPushButton::clicked, this, &ErrorListWindow::progressRequested);
    connect(&errors_, &ErrorList::changed, this, &ErrorListWindow::showList);
    connect(&errors_, &ErrorList::browsedTo, userNameLabel_, &QLabel::setText);
    showList();

    onEscape(this, [this] { cancel(); });
}

void ErrorListWindow::buildControls()
{
    previousUserButton_ =
            placedButton(this, "previousUserButton", QStringLiteral("<"), 120, 120, 375);
    userNameLabel_ = placedLabel(this, "userNameLabel", QString(), 480, 120, 3975, 495);
    nextUserButton_ = placedButton(this, "nextUserButton", QStringLiteral(">"), 4440, 120, 375);
    placedLabel(this, "taskCaption", QStringLiteral("Fehleraufgaben"), 120, 720, 2535, 375);
    placedLabel(this, "answerCaption", QStringLiteral("Lösung"), 2760, 720, 975, 375);
    placedLabel(this, "sortedAnswerCaption", QStringLiteral("gemischt"), 3840, 720, 975, 375);
    taskList_ = placed(new ListBox(this), "taskList", 120, 1080, 2535, 3345);
    answerList_ = placed(new ListBox(this), "answerList", 2760, 1080, 975, 3345);
    sortedAnswerList_ = placed(new ListBox(this), "sortedAnswerList", 3840, 1080, 975, 3345);
    taskList_->setAccessibleName(QStringLiteral("Fehleraufgaben"));
    answerList_->setAccessibleName(QStringLiteral("Lösungen"));
    sortedAnswerList_->setAccessibleName(QStringLiteral("Lösungen, sortiert"));
    cancelButton_ = placedButton(this, "cancelButton", QStringLiteral("Abbruch"), 120, 4560, 1215);
    printWithAnswersButton_ =
            placedButton(this, "printWithAnswersButton",
                         QStringLiteral("Drucken mit richtiger Lösung"), 1440, 4560, 3375);
    deleteButton_ = placedButton(this, "deleteButton", QStringLiteral("Löschen"), 120, 5160, 1215);
    printWithMixedAnswersButton_ =
            placedButton(this, "printWithMixedAnswersButton",
                         QStringLiteral("Drucken mit gemischter Lösung"), 1440, 5160, 3375);
    progressButton_ =
            placedButton(this, "progressButton", QStringLiteral("Lernstand"), 120, 5760, 4695);

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
}

void ErrorListWindow::showList()
{
    taskList_->showEntries(errors_.tasks(), -1);
    answerList_->showEntries(errors_.answers(), -1);
    sortedAnswerList_->showEntries(errors_.sortedAnswers(), -1);
}

void ErrorListWindow::open(const QString& childName, const QPoint& trainingWindowAt)
{
    userNameLabel_->setText(childName);
    if (!isVisible())
        move(trainingWindowAt);
    show();
    activateWindow();
}

void ErrorListWindow::cancel()
{
    hide();
    emit closed();
}

// Printing: the list becomes a sheet to practise on paper, in the layout of the worksheet's
// "Alles ausdrucken", with the answers in task order (to fold away) or sorted (to search for).
void ErrorListWindow::print(bool sortedAnswers)
{
    const QString title = QStringLiteral("Drucken");
    if (errors_.isEmpty()) {
        dialogs_.msgBox(QStringLiteral("Die Fehlerliste ist leer."), MsgStyle::OkOnly, title);
        return;
    }
    if (dialogs_.msgBox(QStringLiteral("Fehlerliste mit Lösungen drucken?\r"),
                        MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, title)
        != MsgResult::Yes)
        return;
    printer_.print(Sheets::errorListSheet(
            errors_.tasks(), sortedAnswers ? errors_.sortedAnswers() : errors_.answers(),
            sortedAnswers ? Sheets::Solutions::Mixed : Sheets::Solutions::Beside));
}

void ErrorListWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cancel();
}
