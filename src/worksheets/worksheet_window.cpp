#include "worksheets/worksheet_window.h"

#include "engine/training_state.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/print_job.h"
#include "models/worksheet_sheets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window is as wide as designed and tall enough to show its bottom row (search and replace,
// "Einzeln ausdrucken") whole, so every button can be reached.
constexpr int ClientWidth = 7440; // twips
constexpr int ClientHeight = 7095; // twips
constexpr int NewListRows = 20;
const QString PrintTitle = QStringLiteral("Drucken");

template<typename Control>
Control* named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::place(control, left, top, width, height);
    return control;
}

QFont boldFont(const QString& family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

} // namespace

WorksheetWindow::WorksheetWindow(TrainingState& state, Dialogs& dialogs, Clipboard& clipboard,
                                 Printer& printer, TaskSource tasks)
    : QWidget(nullptr),
      state_(state),
      dialogs_(dialogs),
      clipboard_(clipboard),
      printer_(printer),
      tasks_(std::move(tasks))
{
    setObjectName(QStringLiteral("WorksheetWindow"));
    setWindowTitle(QStringLiteral("ZFT-Zaruzidovavivediv:  D r u c k e n"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    buildControls();
    // Escape closes the window as "A b b r e c h e n" does.
    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        cancel();
        return true;
    });
}

void WorksheetWindow::buildControls()
{
    // Created in the order Tab walks through them: the buttons from top to bottom, the bottom row,
    // then the lists.
    auto button = [this](const QString& caption, const char* name, int left, int top,
                         int width = 2295) {
        auto* b = named(new QPushButton(caption, this), name, left, top, width, 495);
        b->setFont(boldFont(QStringLiteral("MS Sans Serif"), 8));
        return b;
    };
    cancelButton_ = button(QStringLiteral("A b b r e c h e n"), "cancelButton", 120, 120);
    cancelButton_->setAccessibleName(
            QStringLiteral("Abbrechen")); // the letter-spaced caption, read as a word
    solutionDisplayButton_ =
            button(QStringLiteral("Gemischte Anzeige"), "solutionDisplayButton", 120, 720);
    newListButton_ = button(QStringLiteral("Neue Liste"), "newListButton", 120, 1320);
    appendRowButton_ = button(QStringLiteral("Zeile anhängen"), "appendRowButton", 120, 1920);
    deleteRowButton_ = button(QStringLiteral("Die Zeile löschen"), "deleteRowButton", 120, 2520);
    copyAllButton_ = button(QStringLiteral("Alles kopieren"), "copyAllButton", 120, 3120);
    copyTasksButton_ = button(QStringLiteral("Aufgaben kopieren"), "copyTasksButton", 120, 3720);
    copySolutionsButton_ =
            button(QStringLiteral("Lösungen kopieren"), "copySolutionsButton", 120, 4320);
    printFullSheetButton_ =
            button(QStringLiteral("Alles ausdrucken"), "printFullSheetButton", 120, 4920);
    searchAndReplaceButton_ =
            button(QStringLiteral("Suchen / Ersetzen"), "searchAndReplaceButton", 120, 6480, 2175);
    searchText_ =
            named(new QLineEdit(QStringLiteral("?"), this), "searchText", 2640, 6480, 1095, 375);
    replacementText_ = named(new QLineEdit(QStringLiteral("___"), this), "replacementText", 3720,
                             6480, 1095, 375);
    searchText_->setAccessibleName(QStringLiteral("Suchen nach"));
    replacementText_->setAccessibleName(QStringLiteral("Ersetzen durch"));
    printSeparateSheetsButton_ =
            button(QStringLiteral("Einzeln ausdrucken"), "printSeparateSheetsButton", 5040, 6480);

    auto heading = [this](const QString& caption, const char* name, int left, int width) {
        auto* l = named(new QLabel(caption, this), name, left, 120, width, 255);
        l->setAutoFillBackground(true);
        QPalette colours = l->palette();
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(colours);
        return l;
    };
    auto list = [this](const char* name, int left, int width, bool sorted) {
        auto* l = named(new ListBox(this, sorted), name, left, 360, width, 5430);
        l->setFont(boldFont(QStringLiteral("Courier New"), 12));
        return l;
    };
    taskHeading_ = heading(QString(), "taskHeading", 2520, 3495);
    taskList_ = list("taskList", 2520, 3495, false);
    solutionHeading_ = heading(QStringLiteral("Lösungen"), "solutionHeading", 6120, 1095);
    solutionList_ = list("solutionList", 6120, 1095, false);
    sortedSolutionList_ = list("sortedSolutionList", 6120, 1095, true);
    sortedSolutionList_->hide();
    taskList_->setAccessibleName(QStringLiteral("Aufgaben"));
    solutionList_->setAccessibleName(QStringLiteral("Lösungen"));
    sortedSolutionList_->setAccessibleName(QStringLiteral("Lösungen gemischt"));

    for (ListBox* l : { taskList_, solutionList_, sortedSolutionList_ })
        l->onClick = [this, l] { mirrorSelection(l); };
    const std::pair<QPushButton*, void (WorksheetWindow::*)()> handlers[] = {
        { cancelButton_, &WorksheetWindow::cancel },
        { solutionDisplayButton_, &WorksheetWindow::switchSolutionDisplay },
        { newListButton_, &WorksheetWindow::buildNewList },
        { appendRowButton_, &WorksheetWindow::appendRow },
        { deleteRowButton_, &WorksheetWindow::deleteSelectedRow },
        { copyAllButton_, &WorksheetWindow::copyAll },
        { copyTasksButton_, &WorksheetWindow::copyTasks },
        { copySolutionsButton_, &WorksheetWindow::copySolutions },
        { printFullSheetButton_, &WorksheetWindow::printFullSheet },
        { searchAndReplaceButton_, &WorksheetWindow::searchAndReplace },
        { printSeparateSheetsButton_, &WorksheetWindow::printSeparateSheets }
    };
    for (const auto& [b, handler] : handlers)
        connect(b, &QPushButton::clicked, this, handler);
}

void WorksheetWindow::placeRightOf(const QRect& trainingFrame)
{
    move(trainingFrame.left() + trainingFrame.width(), trainingFrame.top());
}

void WorksheetWindow::open()
{
    show();
    activateWindow();
}

void WorksheetWindow::cancel()
{
    hide();
    emit closed();
}

void WorksheetWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cancel();
}

// Building: each row runs the generator as training does, so the training window shows the last
// task built and its answer is the password afterwards.

void WorksheetWindow::addGeneratedTask()
{
    // Mandatory tasks are never put on a worksheet: the sheet is built from plus tasks instead, and
    // training stays with plus.
    if (state_.operation == Operation::Mandatory)
        state_.operation = Operation::Plus;
    tasks_.generateTask();
    taskList_->addItem(Sheets::taskRow(tasks_.taskOnScreen()));
    solutionList_->addItem(state_.expectedAnswer);
    sortedSolutionList_->addItem(state_.expectedAnswer);
}

void WorksheetWindow::buildNewList()
{
    taskList_->clear();
    solutionList_->clear();
    sortedSolutionList_->clear();
    for (int i = 0; i < NewListRows; ++i)
        addGeneratedTask();
    searchAndReplace();
}

void WorksheetWindow::appendRow()
{
    addGeneratedTask();
    searchAndReplace();
}

void WorksheetWindow::deleteSelectedRow()
{
    const int row = taskList_->listIndex();
    if (row < 0)
        return;
    const QString answer = solutionList_->list(row);
    taskList_->removeItem(row);
    solutionList_->removeItem(row);
    // Equal answers stand together in the sorted list; the topmost of them goes.
    sortedSolutionList_->removeFirst(answer);
}

void WorksheetWindow::switchSolutionDisplay()
{
    const bool mixed = !mixedShown();
    solutionList_->setVisible(!mixed);
    sortedSolutionList_->setVisible(mixed);
    solutionDisplayButton_->setText(mixed ? QStringLiteral("Sortierte Anzeige")
                                          : QStringLiteral("Gemischte Anzeige"));
}

bool WorksheetWindow::mixedShown() const
{
    return !sortedSolutionList_->isHidden();
}

QStringList WorksheetWindow::shownSolutions() const
{
    return (mixedShown() ? sortedSolutionList_ : solutionList_)->entries();
}

// A click in one list selects the same row number in the other two: by position, so in the
// sorted list it is generally not the answer of the selected task.
void WorksheetWindow::mirrorSelection(const ListBox* clicked)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    for (ListBox* other : { taskList_, solutionList_, sortedSolutionList_ })
        if (other != clicked)
            other->setListIndex(clicked->listIndex());
    mirroring_ = false;
}

void WorksheetWindow::searchAndReplace()
{
    const QString search = searchText_->text();
    const QString replacement = replacementText_->text();
    if (search.isEmpty() || replacement.isEmpty()) {
        dialogs_.msgBox(QStringLiteral("Beide Felder müssen belegt sein!"), MsgStyle::OkOnly,
                        QStringLiteral("Suchen & Ersetzen"));
        return;
    }
    QStringList rows = taskList_->entries();
    bool changed = false;
    for (QString& row : rows) {
        const QString replaced = Sheets::replaceFirst(row, search, replacement);
        changed = changed || replaced != row;
        row = replaced;
    }
    if (!changed)
        return;
    // The rows are written back in place; the selected row stays selected.
    const int selected = taskList_->listIndex();
    taskList_->clear();
    taskList_->addItems(rows);
    if (selected >= 0)
        taskList_->setListIndex(selected);
}

// Copying: every row of the task column, with the solutions on show.

void WorksheetWindow::confirmCopied(const QString& text)
{
    dialogs_.msgBox(text, MsgStyle::OkOnly, QStringLiteral("Zwischenablage"));
}

void WorksheetWindow::copyAll()
{
    clipboard_.setText(Sheets::allText(taskList_->entries(), shownSolutions()));
    confirmCopied(QStringLiteral("Aufgaben und Lösungen wurden kopiert."));
}

void WorksheetWindow::copyTasks()
{
    clipboard_.setText(Sheets::tasksOnlyText(taskList_->entries()));
    confirmCopied(QStringLiteral("Nur die Aufgaben wurden kopiert."));
}

void WorksheetWindow::copySolutions()
{
    clipboard_.setText(Sheets::solutionsOnlyText(taskList_->entries(), shownSolutions()));
    confirmCopied(QStringLiteral("Nur die Lösungen wurden kopiert."));
}

// Printing: rows 0 to 19, after a question that No answers without printing.

bool WorksheetWindow::askToPrint(const QString& question)
{
    return dialogs_.msgBox(question,
                           MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2,
                           PrintTitle)
            == MsgResult::Yes;
}

void WorksheetWindow::printFullSheet()
{
    if (!askToPrint(QStringLiteral("Übungsblatt mit Lösungen drucken?\r")))
        return;
    printer_.print(
            Sheets::fullSheet(taskList_->entries(), shownSolutions(),
                              mixedShown() ? Sheets::Solutions::Mixed : Sheets::Solutions::Beside));
}

void WorksheetWindow::printSeparateSheets()
{
    if (!askToPrint(QStringLiteral("Übungsblatt einzeln ausdrucken?\r")))
        return;
    printer_.print(Sheets::taskSheet(taskList_->entries()));
    if (!askToPrint(QStringLiteral("Die Seite mit den Lösungen drucken?\r")))
        return;
    printer_.print(Sheets::solutionSheet(shownSolutions()));
}
