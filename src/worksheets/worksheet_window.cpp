#include "worksheets/worksheet_window.h"

#include "engine/training_state.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/print_job.h"
#include "worksheets/worksheet_rules.h"

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
constexpr int Rows = 20; // a new list
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
        befehl1Click();
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
    Befehl1 = button(QStringLiteral("A b b r e c h e n"), "Befehl1", 120, 120);
    Befehl1->setAccessibleName(
            QStringLiteral("Abbrechen")); // the letter-spaced caption, read as a word
    Befehl5 = button(QStringLiteral("Gemischte Anzeige"), "Befehl5", 120, 720);
    Befehl3 = button(QStringLiteral("Neue Liste"), "Befehl3", 120, 1320);
    Befehl11 = button(QStringLiteral("Zeile anhängen"), "Befehl11", 120, 1920);
    Befehl10 = button(QStringLiteral("Die Zeile löschen"), "Befehl10", 120, 2520);
    Befehl4 = button(QStringLiteral("Alles kopieren"), "Befehl4", 120, 3120);
    befehl8 = button(QStringLiteral("Aufgaben kopieren"), "befehl8", 120, 3720);
    befehl9 = button(QStringLiteral("Lösungen kopieren"), "befehl9", 120, 4320);
    Befehl6 = button(QStringLiteral("Alles ausdrucken"), "Befehl6", 120, 4920);
    Befehl7 = button(QStringLiteral("Suchen / Ersetzen"), "Befehl7", 120, 6480, 2175);
    Text1 = named(new QLineEdit(QStringLiteral("?"), this), "Text1", 2640, 6480, 1095, 375);
    Text2 = named(new QLineEdit(QStringLiteral("___"), this), "Text2", 3720, 6480, 1095, 375);
    Text1->setAccessibleName(QStringLiteral("Suchen nach"));
    Text2->setAccessibleName(QStringLiteral("Ersetzen durch"));
    Befehl2 = button(QStringLiteral("Einzeln ausdrucken"), "Befehl2", 5040, 6480);

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
    Bezeichnung1 = heading(QString(), "Bezeichnung1", 2520, 3495);
    Liste1 = list("Liste1", 2520, 3495, false);
    Bezeichnung2 = heading(QStringLiteral("Lösungen"), "Bezeichnung2", 6120, 1095);
    Liste2 = list("Liste2", 6120, 1095, false);
    Liste3 = list("Liste3", 6120, 1095, true);
    Liste3->hide();
    Liste1->setAccessibleName(QStringLiteral("Aufgaben"));
    Liste2->setAccessibleName(QStringLiteral("Lösungen"));
    Liste3->setAccessibleName(QStringLiteral("Lösungen gemischt"));

    for (ListBox* l : { Liste1, Liste2, Liste3 })
        l->onClick = [this, l] { mirror(l); };
    const std::pair<QPushButton*, void (WorksheetWindow::*)()> handlers[] = {
        { Befehl1, &WorksheetWindow::befehl1Click },
        { Befehl5, &WorksheetWindow::befehl5Click },
        { Befehl3, &WorksheetWindow::befehl3Click },
        { Befehl11, &WorksheetWindow::befehl11Click },
        { Befehl10, &WorksheetWindow::befehl10Click },
        { Befehl4, &WorksheetWindow::befehl4Click },
        { befehl8, &WorksheetWindow::befehl8Click },
        { befehl9, &WorksheetWindow::befehl9Click },
        { Befehl6, &WorksheetWindow::befehl6Click },
        { Befehl7, &WorksheetWindow::befehl7Click },
        { Befehl2, &WorksheetWindow::befehl2Click }
    };
    for (const auto& [b, handler] : handlers)
        connect(b, &QPushButton::clicked, this, handler);
}

void WorksheetWindow::formLoad(const QRect& trainingFrame)
{
    move(trainingFrame.left() + trainingFrame.width(), trainingFrame.top());
}

void WorksheetWindow::open()
{
    show();
    activateWindow();
}

void WorksheetWindow::befehl1Click()
{
    hide();
    emit closed();
}

void WorksheetWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    befehl1Click();
}

// Building: each row runs the generator as training does, so the training window shows the last
// task built and its answer is the password afterwards.

void WorksheetWindow::appendTask()
{
    // Mandatory tasks are never put on a worksheet: the sheet is built from plus tasks instead, and
    // training stays with plus.
    if (state_.operation == Operation::Mandatory)
        state_.operation = Operation::Plus;
    tasks_.GenerateTask();
    Liste1->addItem(Worksheet::taskRow(tasks_.TaskOnScreen()));
    Liste2->addItem(state_.expectedAnswer);
    Liste3->addItem(state_.expectedAnswer);
}

void WorksheetWindow::befehl3Click()
{
    Liste1->clear();
    Liste2->clear();
    Liste3->clear();
    for (int i = 0; i < Rows; ++i)
        appendTask();
    befehl7Click();
}

void WorksheetWindow::befehl11Click()
{
    appendTask();
    befehl7Click();
}

void WorksheetWindow::befehl10Click()
{
    const int row = Liste1->listIndex();
    if (row < 0)
        return;
    const QString answer = Liste2->list(row);
    Liste1->removeItem(row);
    Liste2->removeItem(row);
    // Equal answers stand together in the sorted list; the topmost of them goes.
    Liste3->removeFirst(answer);
}

void WorksheetWindow::befehl5Click()
{
    const bool mixed = !mixedShown();
    Liste2->setVisible(!mixed);
    Liste3->setVisible(mixed);
    Befehl5->setText(mixed ? QStringLiteral("Sortierte Anzeige")
                           : QStringLiteral("Gemischte Anzeige"));
}

bool WorksheetWindow::mixedShown() const
{
    return !Liste3->isHidden();
}

QStringList WorksheetWindow::shownSolutions() const
{
    return (mixedShown() ? Liste3 : Liste2)->entries();
}

// A click in one list selects the same row number in the other two: by position, so in the
// sorted list it is generally not the answer of the selected task.
void WorksheetWindow::mirror(const ListBox* clicked)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    for (ListBox* other : { Liste1, Liste2, Liste3 })
        if (other != clicked)
            other->setListIndex(clicked->listIndex());
    mirroring_ = false;
}

void WorksheetWindow::befehl7Click()
{
    const QString search = Text1->text();
    const QString replacement = Text2->text();
    if (search.isEmpty() || replacement.isEmpty()) {
        dialogs_.msgBox(QStringLiteral("Beide Felder müssen belegt sein!"), MsgStyle::OkOnly,
                        QStringLiteral("Suchen & Ersetzen"));
        return;
    }
    QStringList rows = Liste1->entries();
    bool changed = false;
    for (QString& row : rows) {
        const QString replaced = Worksheet::replaceFirst(row, search, replacement);
        changed = changed || replaced != row;
        row = replaced;
    }
    if (!changed)
        return;
    // The rows are written back in place; the selected row stays selected.
    const int selected = Liste1->listIndex();
    Liste1->clear();
    Liste1->addItems(rows);
    if (selected >= 0)
        Liste1->setListIndex(selected);
}

// Copying: every row of the task column, with the solutions on show.

void WorksheetWindow::confirm(const QString& text)
{
    dialogs_.msgBox(text, MsgStyle::OkOnly, QStringLiteral("Zwischenablage"));
}

void WorksheetWindow::befehl4Click()
{
    clipboard_.setText(Worksheet::copyAll(Liste1->entries(), shownSolutions()));
    confirm(QStringLiteral("Aufgaben und Lösungen wurden kopiert."));
}

void WorksheetWindow::befehl8Click()
{
    clipboard_.setText(Worksheet::copyTasks(Liste1->entries()));
    confirm(QStringLiteral("Nur die Aufgaben wurden kopiert."));
}

void WorksheetWindow::befehl9Click()
{
    clipboard_.setText(Worksheet::copySolutions(Liste1->entries(), shownSolutions()));
    confirm(QStringLiteral("Nur die Lösungen wurden kopiert."));
}

// Printing: rows 0 to 19, after a question that No answers without printing.

bool WorksheetWindow::ask(const QString& question)
{
    return dialogs_.msgBox(question,
                           MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                           PrintTitle)
            == MsgResult::Yes;
}

void WorksheetWindow::befehl6Click()
{
    if (!ask(QStringLiteral("Übungsblatt mit Lösungen drucken?\r")))
        return;
    printer_.print(Worksheet::fullSheet(Liste1->entries(), shownSolutions(),
                                        mixedShown() ? Worksheet::Solutions::Mixed
                                                     : Worksheet::Solutions::Beside));
}

void WorksheetWindow::befehl2Click()
{
    if (!ask(QStringLiteral("Übungsblatt einzeln ausdrucken?\r")))
        return;
    printer_.print(Worksheet::taskSheet(Liste1->entries()));
    if (!ask(QStringLiteral("Die Seite mit den Lösungen drucken?\r")))
        return;
    printer_.print(Worksheet::solutionSheet(shownSolutions()));
}
