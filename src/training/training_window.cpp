#include "training/training_window.h"

#include "engine/task_engine.h"
#include "engine/training_state.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/random_source.h"
#include "platform/settings_value.h"
#include "platform/text_file.h"
#include "platform/controls.h"
#include "training/error_list_window.h"
#include "platform/picture_button.h"
#include "training/user_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {

QFont arialFont(int points)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    return f;
}

} // namespace

TrainingWindow::TrainingWindow(TrainingState& state, Dialogs& dialogs, RandomSource& random,
                               UserWindow& users, ErrorListWindow& errors)
    : state_(state), dialogs_(dialogs), random_(random), users_(users), errors_(errors)
{
    setObjectName(QStringLiteral("TrainingWindow"));
    setWindowTitle(QStringLiteral("ZFT-Zaruzidovavivediv"));
    setFont(arialFont(9));
    buildControls();
    engine_ = std::make_unique<TaskEngine>(state_, *this, random_);
    mandatory_ = std::make_unique<MandatoryTasks>(state_, dialogs_, *engine_, *Liste2, *Befehl28,
                                                  *this, *Bezeichnung1);
    connectControls();
    // The window sees every key before its controls do.
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

TrainingWindow::~TrainingWindow() = default;

void TrainingWindow::buildControls()
{
    auto label = [this](QLabel*& member, const char* name, const QString& caption, int l, int t,
                        int w, int h, int points = 0) {
        member = new QLabel(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        if (points)
            member->setFont(arialFont(points));
        Twips::place(member, l, t, w, h);
    };
    auto button = [this](QPushButton*& member, const char* name, const QString& caption, int l,
                         int t, int w, int h, int points = 0) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        if (points)
            member->setFont(arialFont(points));
        Twips::place(member, l, t, w, h);
    };
    auto picture = [this](PictureButton*& member, const char* name, const char* icon,
                          const QString& what, int l, int t) {
        member = new PictureButton(this, QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                   what);
        member->setObjectName(QString::fromLatin1(name));
        Twips::place(member, l, t, 495, 495);
    };
    auto frame = [this](const char* name, int l, int t, int w, int h) {
        auto* f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Sunken);
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
        Twips::place(f, l, t, w, h);
    };

    // Frames first, so that every control lies above them.
    frame("Figur1", 120, 840, 5055, 1695); // task and entry
    frame("Figur2", 120, 2760, 5055, 1140); // icon row and counters
    frame("Figur3", 120, 3960, 5055, 1935); // level and operations
    frame("Figur4", 5280, 2760, 1935, 3135); // keypad
    frame("Figur6", 7440, 2760, 1815, 3135); // mandatory editor
    frame("Linie5", 240, 1680, 4815, 15);
    frame("Linie6", 240, 4560, 4815, 15);
    frame("Linie12", 5280, 2640, 1935, 15);
    frame("Linie13", 7440, 2640, 1815, 15);

    label(Bezeichnung5, "Bezeichnung5", QStringLiteral("Aufgabe:"), 240, 960, 855, 255);
    label(Bezeichnung1, "Bezeichnung1", QString(), 1200, 960, 3855, 495, 18);
    label(Bezeichnung6, "Bezeichnung6", QStringLiteral("Ergebnis:"), 240, 1920, 855, 255);
    Bezeichnung2 = new EntryDisplay(this);
    Bezeichnung2->setObjectName(QStringLiteral("Bezeichnung2"));
    Bezeichnung2->setFont(arialFont(18));
    Twips::place(Bezeichnung2, 1200, 1920, 3855, 495);
    picture(Bild7, "Bild7", "user", QStringLiteral("Benutzer wechseln"), 120, 120);
    Bezeichnung15 = new ClickableLabel(QStringLiteral("Standardbenutzer"), this);
    Bezeichnung15->setObjectName(QStringLiteral("Bezeichnung15"));
    Bezeichnung15->setFont(arialFont(18));
    Bezeichnung15->setToolTip(QStringLiteral("Benutzer wechseln"));
    Bezeichnung15->setAccessibleDescription(QStringLiteral("Benutzer wechseln"));
    Twips::place(Bezeichnung15, 600, 120, 4575, 495);
    label(Bezeichnung17, "Bezeichnung17", QStringLiteral("Auswahl"), 5280, 120, 1935, 495, 18);
    Liste1 = new ListBox(this);
    Liste1->setObjectName(QStringLiteral("Liste1"));
    Liste1->setAccessibleName(QStringLiteral("Aufgabenart"));
    Twips::place(Liste1, 5280, 720, 1935, 1950);
    label(Bezeichnung13, "Bezeichnung13", QStringLiteral("Pflicht"), 7440, 120, 1815, 495, 18);
    Liste2 = new ListBox(this);
    Liste2->setObjectName(QStringLiteral("Liste2"));
    Liste2->setAccessibleName(QStringLiteral("Pflichtaufgaben"));
    Twips::place(Liste2, 7440, 720, 1815, 1950);

    picture(Bild1, "Bild1", "exit", QStringLiteral("Programm beenden"), 240, 2880);
    picture(Bild3, "Bild3", "reward",
            QStringLiteral("Belohnung: nach wie vielen Aufgaben gespielt wird"), 960, 2880);
    picture(Bild2, "Bild2", "evaluation", QStringLiteral("Auswertung der Fehler"), 1680, 2880);
    picture(Bild4, "Bild4", "mandatory", QStringLiteral("Pflichtaufgaben bearbeiten (Passwort)"),
            2400, 2880);
    picture(Bild6, "Bild6", "print", QStringLiteral("Arbeitsblätter drucken (Passwort)"), 3120,
            2880);
    picture(Bild8, "Bild8", "errors", QStringLiteral("Fehlerliste ansehen (Passwort)"), 3840, 2880);
    picture(Bild5, "Bild5", "info", QStringLiteral("Programm-Info"), 4560, 2880);
    label(Bezeichnung10, "Bezeichnung10", QStringLiteral("Ende"), 240, 3480, 495, 255);
    label(Bezeichnung4, "Bezeichnung4", QStringLiteral("0"), 960, 3480, 495, 255);
    label(Bezeichnung3, "Bezeichnung3", QStringLiteral("0"), 1680, 3480, 495, 255);
    label(Bezeichnung11, "Bezeichnung11", QStringLiteral("Pflicht"), 2280, 3480, 735, 255);
    label(Bezeichnung12, "Bezeichnung12", QStringLiteral("Drucken"), 3000, 3480, 735, 255);
    label(Bezeichnung14, "Bezeichnung14", QStringLiteral("Fehler"), 3720, 3480, 735, 255);
    label(Bezeichnung16, "Bezeichnung16", QStringLiteral("Info"), 4560, 3480, 495, 255);
    for (QLabel* l : { Bezeichnung10, Bezeichnung4, Bezeichnung3, Bezeichnung11, Bezeichnung12,
                       Bezeichnung14, Bezeichnung16 })
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    label(Bezeichnung9, "Bezeichnung9", QString(), 360, 4080, 495, 255);
    label(Bezeichnung7, "Bezeichnung7", QStringLiteral(" Wahl"), 840, 4080, 1695, 255);
    label(Bezeichnung8, "Bezeichnung8", QStringLiteral("Stufe"), 2520, 4080, 855, 255);
    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setObjectName(QStringLiteral("HBildlauf1"));
    HBildlauf1->setRange(1, 5);
    HBildlauf1->setSingleStep(1);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(1);
    HBildlauf1->setFocusPolicy(Qt::StrongFocus);
    HBildlauf1->setInvertedControls(false); // the right arrow raises the level
    HBildlauf1->setAccessibleName(QStringLiteral("Stufe"));
    Twips::place(HBildlauf1, 3480, 4080, 1455, 255);

    button(Befehl12, "Befehl12", QStringLiteral("plus"), 240, 4680, 1455, 495);
    button(Befehl13, "Befehl13", QStringLiteral("minus"), 240, 5280, 1455, 495);
    button(Befehl14, "Befehl14", QStringLiteral("m a l"), 1920, 4680, 1455, 495);
    button(Befehl15, "Befehl15", QStringLiteral("geteilt"), 1920, 5280, 1455, 495);
    button(Befehl16, "Befehl16", QStringLiteral("zufällig"), 3600, 4680, 1455, 495);
    button(Befehl17, "Befehl17", QStringLiteral("üben"), 3600, 5280, 1455, 495);

    button(Befehl21, "Befehl21", QStringLiteral("<"), 5400, 2880, 495, 495, 12);
    button(Befehl20, "Befehl20", QStringLiteral("="), 6000, 2880, 495, 495, 12);
    button(Befehl19, "Befehl19", QStringLiteral(">"), 6600, 2880, 495, 495, 12);
    button(Befehl7, "Befehl7", QStringLiteral("7"), 5400, 3480, 495, 495);
    button(befehl8, "befehl8", QStringLiteral("8"), 6000, 3480, 495, 495);
    button(befehl9, "befehl9", QStringLiteral("9"), 6600, 3480, 495, 495);
    button(Befehl4, "Befehl4", QStringLiteral("4"), 5400, 4080, 495, 495);
    button(Befehl5, "Befehl5", QStringLiteral("5"), 6000, 4080, 495, 495);
    button(Befehl6, "Befehl6", QStringLiteral("6"), 6600, 4080, 495, 495);
    button(Befehl1, "Befehl1", QStringLiteral("1"), 5400, 4680, 495, 495);
    button(Befehl2, "Befehl2", QStringLiteral("2"), 6000, 4680, 495, 495);
    button(Befehl3, "Befehl3", QStringLiteral("3"), 6600, 4680, 495, 495);
    button(Befehl10, "Befehl10", QStringLiteral("0"), 5400, 5280, 495, 495);
    button(Befehl18, "Befehl18", QStringLiteral("Entf"), 6000, 5280, 495, 495);
    button(Befehl11, "Befehl11", QStringLiteral("OK"), 6600, 5280, 495, 495);
    Befehl11->setDefault(true);
    // What a screen reader says for the keys whose captions are signs or letter-spaced.
    const std::pair<QPushButton*, const char*> spoken[] = {
        { Befehl14, "mal" },        { Befehl21, "kleiner als" }, { Befehl20, "gleich" },
        { Befehl19, "größer als" }, { Befehl18, "Entfernen" },   { Befehl11, "OK, prüfen" }
    };
    for (const auto& [b, name] : spoken)
        b->setAccessibleName(QString::fromUtf8(name));
    showCounters();

    button(Befehl23, "Befehl23", QStringLiteral("Einfügen"), 7560, 2880, 1575, 495);
    button(Befehl27, "Befehl27", QStringLiteral("Lade Liste"), 7560, 3480, 1575, 495);
    button(Befehl26, "Befehl26", QStringLiteral("Lösche Liste"), 7560, 4080, 1575, 495);
    button(Befehl24, "Befehl24", QStringLiteral("Lösche Zeile"), 7560, 4680, 1575, 495);
    button(Befehl25, "Befehl25", QStringLiteral("Speichern"), 7560, 5280, 1575, 495);

    // The two covers of the modes, parked outside the window while their mode is off.
    button(Befehl22, "Befehl22", QStringLiteral("Jetzt werden die Fehler bearbeitet ..."),
           ModeCover::Off, 2880, 4815, 2895, 12);
    button(Befehl28, "Befehl28", QStringLiteral("Pflichtaufgaben werden bearbeitet ..."),
           ModeCover::Off, 2880, 4815, 2895, 12);
    label(Label1, "Label1", QStringLiteral("Label1"), 9600, 2280, 855, 375);

    // Tab order: the keypad as it reads, the check and the signs, then the choices, the pictures
    // and the mandatory editor. Controls that are parked outside or covered are passed over
    // (below).
    const QList<QWidget*> order{ Befehl7,       befehl8,  befehl9,  Befehl4,    Befehl5,  Befehl6,
                                 Befehl1,       Befehl2,  Befehl3,  Befehl10,   Befehl18, Befehl11,
                                 Befehl21,      Befehl20, Befehl19, Befehl12,   Befehl13, Befehl14,
                                 Befehl15,      Befehl16, Befehl17, HBildlauf1, Liste1,   Bild7,
                                 Bezeichnung15, Bild1,    Bild3,    Bild2,      Bild4,    Bild6,
                                 Bild8,         Bild5,    Liste2,   Befehl23,   Befehl27, Befehl26,
                                 Befehl24,      Befehl25, Befehl22, Befehl28 };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TrainingWindow::connectControls()
{
    const auto click = [this](QAbstractButton* b, void (TrainingWindow::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, handler);
    };
    click(Befehl1, &TrainingWindow::befehl1Click);
    click(Befehl2, &TrainingWindow::befehl2Click);
    click(Befehl3, &TrainingWindow::befehl3Click);
    click(Befehl4, &TrainingWindow::befehl4Click);
    click(Befehl5, &TrainingWindow::befehl5Click);
    click(Befehl6, &TrainingWindow::befehl6Click);
    click(Befehl7, &TrainingWindow::befehl7Click);
    click(befehl8, &TrainingWindow::befehl8Click);
    click(befehl9, &TrainingWindow::befehl9Click);
    click(Befehl10, &TrainingWindow::befehl10Click);
    click(Befehl11, &TrainingWindow::befehl11Click);
    click(Befehl12, &TrainingWindow::befehl12Click);
    click(Befehl13, &TrainingWindow::befehl13Click);
    click(Befehl14, &TrainingWindow::befehl14Click);
    click(Befehl15, &TrainingWindow::befehl15Click);
    click(Befehl16, &TrainingWindow::befehl16Click);
    click(Befehl17, &TrainingWindow::befehl17Click);
    click(Befehl18, &TrainingWindow::befehl18Click);
    click(Befehl19, &TrainingWindow::befehl19Click);
    click(Befehl20, &TrainingWindow::befehl20Click);
    click(Befehl21, &TrainingWindow::befehl21Click);
    click(Befehl22, &TrainingWindow::befehl22Click);
    click(Bild1, &TrainingWindow::bild1Click);
    click(Bild2, &TrainingWindow::bild2Click);
    click(Bild3, &TrainingWindow::bild3Click);
    click(Bild5, &TrainingWindow::bild5Click);
    click(Bild6, &TrainingWindow::bild6Click);
    click(Bild7, &TrainingWindow::changeUser);
    click(Bild8, &TrainingWindow::bild8Click);
    Bezeichnung15->onClick = [this] { changeUser(); };

    MandatoryTasks* m = mandatory_.get();
    connect(Bild4, &QAbstractButton::clicked, this, [m] { m->bild4Click(); });
    connect(Befehl23, &QAbstractButton::clicked, this, [m] { m->befehl23Click(); });
    connect(Befehl24, &QAbstractButton::clicked, this, [m] { m->befehl24Click(); });
    connect(Befehl25, &QAbstractButton::clicked, this, [m] { m->befehl25Click(); });
    connect(Befehl26, &QAbstractButton::clicked, this, [m] { m->befehl26Click(); });
    connect(Befehl27, &QAbstractButton::clicked, this, [m] { m->befehl27Click(); });
    connect(Befehl28, &QAbstractButton::clicked, this, [m] { m->befehl28Click(); });

    Liste1->onClick = [this] { liste1Click(); };
    // valueChanged comes for every value the thumb passes while it is dragged, as well as for
    // clicks on the arrows and keys, so each of them brings a task of its own.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, [this] { hBildlauf1Change(); });
}

void TrainingWindow::formLoad()
{
    // Size and place: a tenth of the free width from the left, a quarter of the free height from
    // the top. The width is the client width; the mandatory column starts at the right edge.
    setFixedSize(Twips::toPixels(MandatoryTasks::NormalWidth), Twips::toPixels(ClientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.x() + (free.width() - frameGeometry().width()) / 10,
             free.y() + (free.height() - frameGeometry().height()) / 4);
    }

    random_.randomize();

    state_.level = 2;
    HBildlauf1->setValue(2); // runs the level handler: caption and a task

    state_.operation = Operation::Plus;
    state_.taskType = 1;
    engine_->fillTaskTypeList();
    Bezeichnung7->setText(QStringLiteral(" Plusrechnen"));
    Bezeichnung9->setText(QStringLiteral("+"));

    loadSettings();
    mandatory_->loadMandatoryTasks();
    engine_->generateTask();
}

void TrainingWindow::loadSettings()
{
    RewardInterval = 20;
    const QString settings = QStringLiteral("ZIFTORA.INF");
    QString first;
    QStringList lines;
    if (TextFile::readFirstField(settings, &first)) {
        if (const auto value = parseRewardInterval(first))
            RewardInterval = *value;
    } else if (TextFile::kind(settings) != TextFile::FileKind::Absent
               && !TextFile::readLines(settings, &lines)) {
        // An empty file simply keeps the default; one that is there but cannot be read is said.
        dialogs_.msgBox(QStringLiteral("Die Datei ZIFTORA.INF konnte nicht gelesen werden.\r"
                                       "Nach 20 Aufgaben gibt es eine Spielrunde.\r"),
                        MsgStyle::Information, QStringLiteral("Belohnung"));
    }
    Label1->setText(QString::number(RewardInterval));

    Bezeichnung15->setText(users_.loadUserFile());
}

void TrainingWindow::startUser(const QString& shownName)
{
    Bezeichnung15->setText(shownName);
    mandatory_->loadMandatoryTasks();
}

void TrainingWindow::bild1Click()
{
    const int answer = dialogs_.msgBox(QStringLiteral("Dieses Programm jetzt beenden?\r"),
                                       MsgStyle::YesNo + MsgStyle::Stop + MsgStyle::DefaultButton2,
                                       QStringLiteral("ZFT-Zaruzidovavivediv"));
    if (answer != MsgResult::Yes)
        return;
    ended_ = true;
    emit ended();
}

void TrainingWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the window frame asks the same question as the exit icon.
    if (!ended_)
        bild1Click();
    if (ended_)
        event->accept();
    else
        event->ignore();
}

bool TrainingWindow::errorPracticeActive() const
{
    return ModeCover::isOn(Befehl22);
}

bool TrainingWindow::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return true;
        befehl11Click();
        return true;
    case Qt::Key_Escape:
        bild1Click();
        return true;
    case Qt::Key_Backspace:
        removeLastCharacter();
        return true;
    default:
        break;
    }

    const QString text = event->text();
    if (text.size() != 1)
        return false;
    switch (text.at(0).unicode()) {
    case '1':
        befehl1Click();
        return true;
    case '2':
        befehl2Click();
        return true;
    case '3':
        befehl3Click();
        return true;
    case '4':
        befehl4Click();
        return true;
    case '5':
        befehl5Click();
        return true;
    case '6':
        befehl6Click();
        return true;
    case '7':
        befehl7Click();
        return true;
    case '8':
        befehl8Click();
        return true;
    case '9':
        befehl9Click();
        return true;
    case '0':
        befehl10Click();
        return true;
    case '>':
        befehl19Click();
        return true;
    case '=':
        befehl20Click();
        return true;
    case '<':
        befehl21Click();
        return true;
    case '*':
        mandatory_->confirmEndMandatoryTasks();
        return true;
    default:
        return false;
    }
}

void TrainingWindow::bild5Click()
{
    emit infoRequested();
}

// The task engine's view of this window.

void TrainingWindow::setTaskText(const QString& text)
{
    Bezeichnung1->setText(text);
}

void TrainingWindow::setEntryDisplay(const QString& text)
{
    Bezeichnung2->show(text);
}

void TrainingWindow::showCounters()
{
    const auto show = [](QLabel* counter, const QString& what, qint64 count) {
        counter->setText(QString::number(count));
        counter->setAccessibleName(what + QString::number(count));
        counter->setToolTip(counter->accessibleName());
    };
    show(Bezeichnung4, QStringLiteral("Richtige Lösungen: "), CorrectCount);
    show(Bezeichnung3, QStringLiteral("Fehler: "), ErrorCount);
}

bool TrainingWindow::focusNextPrevChild(bool next)
{
    // Tab passes over what a person cannot see: the mandatory column while the editor is closed,
    // a parked mode cover, and what a mode cover hides.
    for (int tries = 0; tries < 64; ++tries) {
        if (!QWidget::focusNextPrevChild(next))
            return false;
        if (!focusWidget() || inView(focusWidget()))
            return true;
    }
    return true;
}

void TrainingWindow::clearTaskTypes()
{
    Liste1->clear();
}

void TrainingWindow::addTaskType(const QString& entry)
{
    Liste1->addItem(entry);
}

void TrainingWindow::selectTaskType(int index)
{
    Liste1->setListIndex(index);
}

int TrainingWindow::mandatoryCount() const
{
    return Liste2->listCount();
}

QString TrainingWindow::mandatoryEntry(int index) const
{
    return Liste2->list(index);
}

void TrainingWindow::removeMandatoryEntries(int first, int count)
{
    Liste2->removeItems(first, count);
}

void TrainingWindow::endMandatoryMode()
{
    ModeCover::set(Befehl28, false);
}
