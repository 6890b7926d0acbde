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
    mandatory_ = std::make_unique<MandatoryTasks>(state_, dialogs_, *engine_, *mandatoryList_,
                                                  *mandatoryCover_, *this, *taskLabel_);
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
    frame("taskFrame", 120, 840, 5055, 1695); // task and entry
    frame("iconFrame", 120, 2760, 5055, 1140); // icon row and counters
    frame("choiceFrame", 120, 3960, 5055, 1935); // level and operations
    frame("keypadFrame", 5280, 2760, 1935, 3135); // keypad
    frame("editorFrame", 7440, 2760, 1815, 3135); // mandatory editor
    frame("entryLine", 240, 1680, 4815, 15);
    frame("operationLine", 240, 4560, 4815, 15);
    frame("keypadLine", 5280, 2640, 1935, 15);
    frame("editorLine", 7440, 2640, 1815, 15);

    label(taskCaption_, "taskCaption", QStringLiteral("Aufgabe:"), 240, 960, 855, 255);
    label(taskLabel_, "taskLabel", QString(), 1200, 960, 3855, 495, 18);
    label(entryCaption_, "entryCaption", QStringLiteral("Ergebnis:"), 240, 1920, 855, 255);
    entryDisplay_ = new EntryDisplay(this);
    entryDisplay_->setObjectName(QStringLiteral("entryDisplay"));
    entryDisplay_->setFont(arialFont(18));
    Twips::place(entryDisplay_, 1200, 1920, 3855, 495);
    picture(userPicture_, "userPicture", "user", QStringLiteral("Benutzer wechseln"), 120, 120);
    userNameLabel_ = new ClickableLabel(QStringLiteral("Standardbenutzer"), this);
    userNameLabel_->setObjectName(QStringLiteral("userNameLabel"));
    userNameLabel_->setFont(arialFont(18));
    userNameLabel_->setToolTip(QStringLiteral("Benutzer wechseln"));
    userNameLabel_->setAccessibleDescription(QStringLiteral("Benutzer wechseln"));
    Twips::place(userNameLabel_, 600, 120, 4575, 495);
    label(taskTypeCaption_, "taskTypeCaption", QStringLiteral("Auswahl"), 5280, 120, 1935, 495, 18);
    taskTypeList_ = new ListBox(this);
    taskTypeList_->setObjectName(QStringLiteral("taskTypeList"));
    taskTypeList_->setAccessibleName(QStringLiteral("Aufgabenart"));
    Twips::place(taskTypeList_, 5280, 720, 1935, 1950);
    label(mandatoryListCaption_, "mandatoryListCaption", QStringLiteral("Pflicht"), 7440, 120, 1815,
          495, 18);
    mandatoryList_ = new ListBox(this);
    mandatoryList_->setObjectName(QStringLiteral("mandatoryList"));
    mandatoryList_->setAccessibleName(QStringLiteral("Pflichtaufgaben"));
    Twips::place(mandatoryList_, 7440, 720, 1815, 1950);

    picture(exitPicture_, "exitPicture", "exit", QStringLiteral("Programm beenden"), 240, 2880);
    picture(rewardPicture_, "rewardPicture", "reward",
            QStringLiteral("Belohnung: nach wie vielen Aufgaben gespielt wird"), 960, 2880);
    picture(evaluationPicture_, "evaluationPicture", "evaluation",
            QStringLiteral("Auswertung der Fehler"), 1680, 2880);
    picture(mandatoryPicture_, "mandatoryPicture", "mandatory",
            QStringLiteral("Pflichtaufgaben bearbeiten (Passwort)"), 2400, 2880);
    picture(worksheetPicture_, "worksheetPicture", "print",
            QStringLiteral("Arbeitsblätter drucken (Passwort)"), 3120, 2880);
    picture(errorListPicture_, "errorListPicture", "errors",
            QStringLiteral("Fehlerliste ansehen (Passwort)"), 3840, 2880);
    picture(infoPicture_, "infoPicture", "info", QStringLiteral("Programm-Info"), 4560, 2880);
    label(exitCaption_, "exitCaption", QStringLiteral("Ende"), 240, 3480, 495, 255);
    label(correctCountLabel_, "correctCountLabel", QStringLiteral("0"), 960, 3480, 495, 255);
    label(errorCountLabel_, "errorCountLabel", QStringLiteral("0"), 1680, 3480, 495, 255);
    label(mandatoryCaption_, "mandatoryCaption", QStringLiteral("Pflicht"), 2280, 3480, 735, 255);
    label(worksheetCaption_, "worksheetCaption", QStringLiteral("Drucken"), 3000, 3480, 735, 255);
    label(errorListCaption_, "errorListCaption", QStringLiteral("Fehler"), 3720, 3480, 735, 255);
    label(infoCaption_, "infoCaption", QStringLiteral("Info"), 4560, 3480, 495, 255);
    for (QLabel* l : { exitCaption_, correctCountLabel_, errorCountLabel_, mandatoryCaption_,
                       worksheetCaption_, errorListCaption_, infoCaption_ })
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    label(operationSignLabel_, "operationSignLabel", QString(), 360, 4080, 495, 255);
    label(taskTypeLabel_, "taskTypeLabel", QStringLiteral(" Wahl"), 840, 4080, 1695, 255);
    label(levelLabel_, "levelLabel", QStringLiteral("Stufe"), 2520, 4080, 855, 255);
    levelBar_ = new QScrollBar(Qt::Horizontal, this);
    levelBar_->setObjectName(QStringLiteral("levelBar"));
    levelBar_->setRange(1, 5);
    levelBar_->setSingleStep(1);
    levelBar_->setPageStep(1);
    levelBar_->setValue(1);
    levelBar_->setFocusPolicy(Qt::StrongFocus);
    levelBar_->setInvertedControls(false); // the right arrow raises the level
    levelBar_->setAccessibleName(QStringLiteral("Stufe"));
    Twips::place(levelBar_, 3480, 4080, 1455, 255);

    button(plusButton_, "plusButton", QStringLiteral("plus"), 240, 4680, 1455, 495);
    button(minusButton_, "minusButton", QStringLiteral("minus"), 240, 5280, 1455, 495);
    button(timesButton_, "timesButton", QStringLiteral("m a l"), 1920, 4680, 1455, 495);
    button(divideButton_, "divideButton", QStringLiteral("geteilt"), 1920, 5280, 1455, 495);
    button(randomButton_, "randomButton", QStringLiteral("zufällig"), 3600, 4680, 1455, 495);
    button(practiceNumberButton_, "practiceNumberButton", QStringLiteral("üben"), 3600, 5280, 1455,
           495);

    button(lessButton_, "lessButton", QStringLiteral("<"), 5400, 2880, 495, 495, 12);
    button(equalButton_, "equalButton", QStringLiteral("="), 6000, 2880, 495, 495, 12);
    button(greaterButton_, "greaterButton", QStringLiteral(">"), 6600, 2880, 495, 495, 12);
    button(digit7Button_, "digit7Button", QStringLiteral("7"), 5400, 3480, 495, 495);
    button(digit8Button_, "digit8Button", QStringLiteral("8"), 6000, 3480, 495, 495);
    button(digit9Button_, "digit9Button", QStringLiteral("9"), 6600, 3480, 495, 495);
    button(digit4Button_, "digit4Button", QStringLiteral("4"), 5400, 4080, 495, 495);
    button(digit5Button_, "digit5Button", QStringLiteral("5"), 6000, 4080, 495, 495);
    button(digit6Button_, "digit6Button", QStringLiteral("6"), 6600, 4080, 495, 495);
    button(digit1Button_, "digit1Button", QStringLiteral("1"), 5400, 4680, 495, 495);
    button(digit2Button_, "digit2Button", QStringLiteral("2"), 6000, 4680, 495, 495);
    button(digit3Button_, "digit3Button", QStringLiteral("3"), 6600, 4680, 495, 495);
    button(digit0Button_, "digit0Button", QStringLiteral("0"), 5400, 5280, 495, 495);
    button(eraseButton_, "eraseButton", QStringLiteral("Entf"), 6000, 5280, 495, 495);
    button(checkButton_, "checkButton", QStringLiteral("OK"), 6600, 5280, 495, 495);
    checkButton_->setDefault(true);
    // What a screen reader says for the keys whose captions are signs or letter-spaced.
    const std::pair<QPushButton*, const char*> spoken[] = {
        { timesButton_, "mal" },       { lessButton_, "kleiner als" },
        { equalButton_, "gleich" },    { greaterButton_, "größer als" },
        { eraseButton_, "Entfernen" }, { checkButton_, "OK, prüfen" }
    };
    for (const auto& [b, name] : spoken)
        b->setAccessibleName(QString::fromUtf8(name));
    showCounters();

    button(insertTaskButton_, "insertTaskButton", QStringLiteral("Einfügen"), 7560, 2880, 1575,
           495);
    button(loadListButton_, "loadListButton", QStringLiteral("Lade Liste"), 7560, 3480, 1575, 495);
    button(clearListButton_, "clearListButton", QStringLiteral("Lösche Liste"), 7560, 4080, 1575,
           495);
    button(deleteLineButton_, "deleteLineButton", QStringLiteral("Lösche Zeile"), 7560, 4680, 1575,
           495);
    button(saveListButton_, "saveListButton", QStringLiteral("Speichern"), 7560, 5280, 1575, 495);

    // The two covers of the modes, parked outside the window while their mode is off.
    button(errorPracticeCover_, "errorPracticeCover",
           QStringLiteral("Jetzt werden die Fehler bearbeitet ..."), ModeCover::Off, 2880, 4815,
           2895, 12);
    button(mandatoryCover_, "mandatoryCover",
           QStringLiteral("Pflichtaufgaben werden bearbeitet ..."), ModeCover::Off, 2880, 4815,
           2895, 12);
    label(rewardIntervalLabel_, "rewardIntervalLabel", QStringLiteral("rewardIntervalLabel"), 9600,
          2280, 855, 375);

    // Tab order: the keypad as it reads, the check and the signs, then the choices, the pictures
    // and the mandatory editor. Controls that are parked outside or covered are passed over
    // (below).
    const QList<QWidget*> order{
        digit7Button_,         digit8Button_,     digit9Button_,       digit4Button_,
        digit5Button_,         digit6Button_,     digit1Button_,       digit2Button_,
        digit3Button_,         digit0Button_,     eraseButton_,        checkButton_,
        lessButton_,           equalButton_,      greaterButton_,      plusButton_,
        minusButton_,          timesButton_,      divideButton_,       randomButton_,
        practiceNumberButton_, levelBar_,         taskTypeList_,       userPicture_,
        userNameLabel_,        exitPicture_,      rewardPicture_,      evaluationPicture_,
        mandatoryPicture_,     worksheetPicture_, errorListPicture_,   infoPicture_,
        mandatoryList_,        insertTaskButton_, loadListButton_,     clearListButton_,
        deleteLineButton_,     saveListButton_,   errorPracticeCover_, mandatoryCover_
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TrainingWindow::connectControls()
{
    const auto click = [this](QAbstractButton* b, void (TrainingWindow::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, handler);
    };
    const std::pair<QPushButton*, QChar> digits[] = {
        { digit0Button_, u'0' }, { digit1Button_, u'1' }, { digit2Button_, u'2' },
        { digit3Button_, u'3' }, { digit4Button_, u'4' }, { digit5Button_, u'5' },
        { digit6Button_, u'6' }, { digit7Button_, u'7' }, { digit8Button_, u'8' },
        { digit9Button_, u'9' }
    };
    for (const auto& [button, digit] : digits)
        connect(button, &QAbstractButton::clicked, this,
                [this, digit = digit] { typeDigit(digit); });
    click(checkButton_, &TrainingWindow::check);
    click(plusButton_, &TrainingWindow::choosePlus);
    click(minusButton_, &TrainingWindow::chooseMinus);
    click(timesButton_, &TrainingWindow::chooseTimes);
    click(divideButton_, &TrainingWindow::chooseDivide);
    click(randomButton_, &TrainingWindow::chooseRandomMix);
    click(practiceNumberButton_, &TrainingWindow::setPracticeNumber);
    click(eraseButton_, &TrainingWindow::erase);
    for (QPushButton* sign : { lessButton_, equalButton_, greaterButton_ })
        connect(sign, &QAbstractButton::clicked, this,
                [this, sign] { typeSign(sign->text().at(0)); });
    click(errorPracticeCover_, &TrainingWindow::tellErrorsWaiting);
    click(exitPicture_, &TrainingWindow::askToExit);
    click(evaluationPicture_, &TrainingWindow::showEvaluation);
    click(rewardPicture_, &TrainingWindow::showRewardInterval);
    click(infoPicture_, &TrainingWindow::openInfo);
    click(worksheetPicture_, &TrainingWindow::openWorksheets);
    click(userPicture_, &TrainingWindow::changeUser);
    click(errorListPicture_, &TrainingWindow::openErrorList);
    userNameLabel_->onClick = [this] { changeUser(); };

    MandatoryTasks* m = mandatory_.get();
    connect(mandatoryPicture_, &QAbstractButton::clicked, this, [m] { m->openEditor(); });
    connect(insertTaskButton_, &QAbstractButton::clicked, this, [m] { m->insertTask(); });
    connect(deleteLineButton_, &QAbstractButton::clicked, this, [m] { m->deleteLine(); });
    connect(saveListButton_, &QAbstractButton::clicked, this, [m] { m->saveList(); });
    connect(clearListButton_, &QAbstractButton::clicked, this, [m] { m->clearList(); });
    connect(loadListButton_, &QAbstractButton::clicked, this, [m] { m->loadList(); });
    connect(mandatoryCover_, &QAbstractButton::clicked, this, [m] { m->leaveWithPassword(); });

    taskTypeList_->onClick = [this] { chooseTaskType(); };
    // valueChanged comes for every value the thumb passes while it is dragged, as well as for
    // clicks on the arrows and keys, so each of them brings a task of its own.
    connect(levelBar_, &QScrollBar::valueChanged, this, [this] { chooseLevel(); });
}

void TrainingWindow::startUp()
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
    levelBar_->setValue(2); // runs the level handler: caption and a task

    state_.operation = Operation::Plus;
    state_.taskType = 1;
    engine_->fillTaskTypeList();
    taskTypeLabel_->setText(QStringLiteral(" Plusrechnen"));
    operationSignLabel_->setText(QStringLiteral("+"));

    loadSettings();
    mandatory_->loadMandatoryTasks();
    engine_->generateTask();
}

void TrainingWindow::loadSettings()
{
    rewardInterval = 20;
    const QString settings = QStringLiteral("ZIFTORA.INF");
    QString first;
    QStringList lines;
    if (TextFile::readFirstField(settings, &first)) {
        if (const auto value = parseRewardInterval(first))
            rewardInterval = *value;
    } else if (TextFile::kind(settings) != TextFile::FileKind::Absent
               && !TextFile::readLines(settings, &lines)) {
        // An empty file simply keeps the default; one that is there but cannot be read is said.
        dialogs_.msgBox(QStringLiteral("Die Datei ZIFTORA.INF konnte nicht gelesen werden.\r"
                                       "Nach 20 Aufgaben gibt es eine Spielrunde.\r"),
                        MsgStyle::Information, QStringLiteral("Belohnung"));
    }
    rewardIntervalLabel_->setText(QString::number(rewardInterval));

    userNameLabel_->setText(users_.loadUserFile());
}

void TrainingWindow::startUser(const QString& shownName)
{
    userNameLabel_->setText(shownName);
    mandatory_->loadMandatoryTasks();
}

void TrainingWindow::askToExit()
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
        askToExit();
    if (ended_)
        event->accept();
    else
        event->ignore();
}

bool TrainingWindow::errorPracticeActive() const
{
    return ModeCover::isOn(errorPracticeCover_);
}

bool TrainingWindow::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return true;
        check();
        return true;
    case Qt::Key_Escape:
        askToExit();
        return true;
    case Qt::Key_Backspace:
        backspace();
        return true;
    default:
        break;
    }

    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QChar typed = text.at(0);
    if (typed >= u'0' && typed <= u'9') {
        typeDigit(typed);
        return true;
    }
    switch (typed.unicode()) {
    case '<':
    case '=':
    case '>':
        typeSign(typed);
        return true;
    case '*':
        mandatory_->confirmEndMandatoryTasks();
        return true;
    default:
        return false;
    }
}

void TrainingWindow::openInfo()
{
    emit infoRequested();
}

QString TrainingWindow::taskText() const
{
    return taskLabel_->text();
}

void TrainingWindow::focusCheckButton()
{
    checkButton_->setFocus();
}

// The task engine's view of this window.

void TrainingWindow::setTaskText(const QString& text)
{
    taskLabel_->setText(text);
}

void TrainingWindow::setEntryDisplay(const QString& text)
{
    entryDisplay_->show(text);
}

void TrainingWindow::showCounters()
{
    const auto show = [](QLabel* counter, const QString& what, qint64 count) {
        counter->setText(QString::number(count));
        counter->setAccessibleName(what + QString::number(count));
        counter->setToolTip(counter->accessibleName());
    };
    show(correctCountLabel_, QStringLiteral("Richtige Lösungen: "), correctCount);
    show(errorCountLabel_, QStringLiteral("Fehler: "), errorCount);
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
    taskTypeList_->clear();
}

void TrainingWindow::addTaskType(const QString& entry)
{
    taskTypeList_->addItem(entry);
}

void TrainingWindow::selectTaskType(int index)
{
    taskTypeList_->setListIndex(index);
}

int TrainingWindow::mandatoryCount() const
{
    return mandatoryList_->listCount();
}

QString TrainingWindow::mandatoryEntry(int index) const
{
    return mandatoryList_->list(index);
}

void TrainingWindow::removeMandatoryEntries(int first, int count)
{
    mandatoryList_->removeItems(first, count);
}

void TrainingWindow::endMandatoryMode()
{
    ModeCover::set(mandatoryCover_, false);
}
