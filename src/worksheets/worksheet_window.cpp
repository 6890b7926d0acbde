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
Control* Named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::Place(control, left, top, width, height);
    return control;
}

QFont Font(const QString& family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

} // namespace

druck::druck(TrainingState& state, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
             TaskSource tasks)
    : QWidget(nullptr),
      state_(state),
      dialogs_(dialogs),
      clipboard_(clipboard),
      printer_(printer),
      tasks_(std::move(tasks))
{
    setObjectName(QStringLiteral("druck"));
    setWindowTitle(QStringLiteral("ZFT-Zaruzidovavivediv:  D r u c k e n"));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));
    BuildControls();
    // Escape closes the window as "A b b r e c h e n" does.
    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        Befehl1_Click();
        return true;
    });
}

void druck::BuildControls()
{
    // Created in the order Tab walks through them: the buttons from top to bottom, the bottom row,
    // then the lists.
    auto button = [this](const QString& caption, const char* name, int left, int top,
                         int width = 2295) {
        auto* b = Named(new QPushButton(caption, this), name, left, top, width, 495);
        b->setFont(Font(QStringLiteral("MS Sans Serif"), 8));
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
    Text1 = Named(new QLineEdit(QStringLiteral("?"), this), "Text1", 2640, 6480, 1095, 375);
    Text2 = Named(new QLineEdit(QStringLiteral("___"), this), "Text2", 3720, 6480, 1095, 375);
    Text1->setAccessibleName(QStringLiteral("Suchen nach"));
    Text2->setAccessibleName(QStringLiteral("Ersetzen durch"));
    Befehl2 = button(QStringLiteral("Einzeln ausdrucken"), "Befehl2", 5040, 6480);

    auto heading = [this](const QString& caption, const char* name, int left, int width) {
        auto* l = Named(new QLabel(caption, this), name, left, 120, width, 255);
        l->setAutoFillBackground(true);
        QPalette colours = l->palette();
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(colours);
        return l;
    };
    auto list = [this](const char* name, int left, int width, bool sorted) {
        auto* l = Named(new ListBox(this, sorted), name, left, 360, width, 5430);
        l->setFont(Font(QStringLiteral("Courier New"), 12));
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
        l->onClick = [this, l] { Mirror(l); };
    const std::pair<QPushButton*, void (druck::*)()> handlers[] = {
        { Befehl1, &druck::Befehl1_Click },   { Befehl5, &druck::Befehl5_Click },
        { Befehl3, &druck::Befehl3_Click },   { Befehl11, &druck::Befehl11_Click },
        { Befehl10, &druck::Befehl10_Click }, { Befehl4, &druck::Befehl4_Click },
        { befehl8, &druck::befehl8_Click },   { befehl9, &druck::befehl9_Click },
        { Befehl6, &druck::Befehl6_Click },   { Befehl7, &druck::Befehl7_Click },
        { Befehl2, &druck::Befehl2_Click }
    };
    for (const auto& [b, handler] : handlers)
        connect(b, &QPushButton::clicked, this, handler);
}

void druck::Form_Load(const QRect& trainingFrame)
{
    move(trainingFrame.left() + trainingFrame.width(), trainingFrame.top());
}

void druck::Open()
{
    show();
    activateWindow();
}

void druck::Befehl1_Click()
{
    hide();
    emit closed();
}

void druck::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Befehl1_Click();
}

// Building: each row runs the generator as training does, so the training window shows the last
// task built and its answer is the password afterwards.

void druck::AppendTask()
{
    // Mandatory tasks are never put on a worksheet: the sheet is built from plus tasks instead, and
    // training stays with plus.
    if (state_.operation == Operation::Mandatory)
        state_.operation = Operation::Plus;
    tasks_.GenerateTask();
    Liste1->AddItem(Worksheet::TaskRow(tasks_.TaskOnScreen()));
    Liste2->AddItem(state_.expectedAnswer);
    Liste3->AddItem(state_.expectedAnswer);
}

void druck::Befehl3_Click()
{
    Liste1->Clear();
    Liste2->Clear();
    Liste3->Clear();
    for (int i = 0; i < Rows; ++i)
        AppendTask();
    Befehl7_Click();
}

void druck::Befehl11_Click()
{
    AppendTask();
    Befehl7_Click();
}

void druck::Befehl10_Click()
{
    const int row = Liste1->ListIndex();
    if (row < 0)
        return;
    const QString answer = Liste2->List(row);
    Liste1->RemoveItem(row);
    Liste2->RemoveItem(row);
    // Equal answers stand together in the sorted list; the topmost of them goes.
    Liste3->RemoveFirst(answer);
}

void druck::Befehl5_Click()
{
    const bool mixed = !MixedShown();
    Liste2->setVisible(!mixed);
    Liste3->setVisible(mixed);
    Befehl5->setText(mixed ? QStringLiteral("Sortierte Anzeige")
                           : QStringLiteral("Gemischte Anzeige"));
}

bool druck::MixedShown() const
{
    return !Liste3->isHidden();
}

QStringList druck::ShownSolutions() const
{
    return (MixedShown() ? Liste3 : Liste2)->Entries();
}

// A click in one list selects the same row number in the other two: by position, so in the
// sorted list it is generally not the answer of the selected task.
void druck::Mirror(const ListBox* clicked)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    for (ListBox* other : { Liste1, Liste2, Liste3 })
        if (other != clicked)
            other->SetListIndex(clicked->ListIndex());
    mirroring_ = false;
}

void druck::Befehl7_Click()
{
    const QString search = Text1->text();
    const QString replacement = Text2->text();
    if (search.isEmpty() || replacement.isEmpty()) {
        dialogs_.MsgBox(QStringLiteral("Beide Felder müssen belegt sein!"), MsgStyle::OkOnly,
                        QStringLiteral("Suchen & Ersetzen"));
        return;
    }
    QStringList rows = Liste1->Entries();
    bool changed = false;
    for (QString& row : rows) {
        const QString replaced = Worksheet::ReplaceFirst(row, search, replacement);
        changed = changed || replaced != row;
        row = replaced;
    }
    if (!changed)
        return;
    // The rows are written back in place; the selected row stays selected.
    const int selected = Liste1->ListIndex();
    Liste1->Clear();
    Liste1->AddItems(rows);
    if (selected >= 0)
        Liste1->SetListIndex(selected);
}

// Copying: every row of the task column, with the solutions on show.

void druck::Confirm(const QString& text)
{
    dialogs_.MsgBox(text, MsgStyle::OkOnly, QStringLiteral("Zwischenablage"));
}

void druck::Befehl4_Click()
{
    clipboard_.SetText(Worksheet::CopyAll(Liste1->Entries(), ShownSolutions()));
    Confirm(QStringLiteral("Aufgaben und Lösungen wurden kopiert."));
}

void druck::befehl8_Click()
{
    clipboard_.SetText(Worksheet::CopyTasks(Liste1->Entries()));
    Confirm(QStringLiteral("Nur die Aufgaben wurden kopiert."));
}

void druck::befehl9_Click()
{
    clipboard_.SetText(Worksheet::CopySolutions(Liste1->Entries(), ShownSolutions()));
    Confirm(QStringLiteral("Nur die Lösungen wurden kopiert."));
}

// Printing: rows 0 to 19, after a question that No answers without printing.

bool druck::Ask(const QString& question)
{
    return dialogs_.MsgBox(question,
                           MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                           PrintTitle)
            == MsgResult::Yes;
}

void druck::Befehl6_Click()
{
    if (!Ask(QStringLiteral("Übungsblatt mit Lösungen drucken?\r")))
        return;
    printer_.Print(Worksheet::FullSheet(Liste1->Entries(), ShownSolutions(),
                                        MixedShown() ? Worksheet::Solutions::Mixed
                                                     : Worksheet::Solutions::Beside));
}

void druck::Befehl2_Click()
{
    if (!Ask(QStringLiteral("Übungsblatt einzeln ausdrucken?\r")))
        return;
    printer_.Print(Worksheet::TaskSheet(Liste1->Entries()));
    if (!Ask(QStringLiteral("Die Seite mit den Lösungen drucken?\r")))
        return;
    printer_.Print(Worksheet::SolutionSheet(ShownSolutions()));
}
