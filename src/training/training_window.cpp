#include "training/training_window.h"

#include "models/mandatory_tasks.h"
#include "models/reward_interval.h"
#include "models/training_session.h"
#include "models/users.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/picture_button.h"

#include <QCloseEvent>
#include <QGuiApplication>
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

template<typename Control>
Control* withFont(Control* control, int points)
{
    if (points)
        control->setFont(arialFont(points));
    return control;
}

} // namespace

TrainingWindow::TrainingWindow(TrainingSession& session, MandatoryTasks& mandatory,
                               const Users& users, const RewardInterval& rewardInterval)
    : session_(session), mandatory_(mandatory), users_(users), rewardInterval_(rewardInterval)
{
    setObjectName(QStringLiteral("TrainingWindow"));
    setWindowTitle(QStringLiteral("ZFT-Zaruzidovavivediv"));
    setFont(arialFont(9));
    buildFramesAndTask();
    buildIconRow();
    buildChoices();
    buildKeypad();
    buildEditorAndCovers();
    setTabOrder();
    connectKeypad();
    connectChoicesAndIcons();
    connectEditor();
    connectModels();
    showEditor();
    // The window sees every key before its controls do.
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

TrainingWindow::~TrainingWindow() = default;

void TrainingWindow::buildFramesAndTask()
{
    // Frames first, so that every control lies above them.
    groupFrame(this, "taskFrame", 120, 840, 5055, 1695); // task and entry
    groupFrame(this, "iconFrame", 120, 2760, 5055, 1140); // icon row and counters
    groupFrame(this, "choiceFrame", 120, 3960, 5055, 1935); // level and operations
    groupFrame(this, "keypadFrame", 5280, 2760, 1935, 3135);
    groupFrame(this, "editorFrame", 7440, 2760, 1815, 3135); // mandatory editor
    groupFrame(this, "entryLine", 240, 1680, 4815, 15);
    groupFrame(this, "operationLine", 240, 4560, 4815, 15);
    groupFrame(this, "keypadLine", 5280, 2640, 1935, 15);
    groupFrame(this, "editorLine", 7440, 2640, 1815, 15);

    placed(new QLabel(QStringLiteral("Aufgabe:"), this), "taskCaption", 240, 960, 855, 255);
    taskLabel_ = withFont(placed(new QLabel(this), "taskLabel", 1200, 960, 3855, 495), 18);
    placed(new QLabel(QStringLiteral("Ergebnis:"), this), "entryCaption", 240, 1920, 855, 255);
    entryDisplay_ =
            withFont(placed(new EntryDisplay(this), "entryDisplay", 1200, 1920, 3855, 495), 18);
    userPicture_ = placed(new PictureButton(this, QStringLiteral(":/icons/user.svg"),
                                            QStringLiteral("Benutzer wechseln")),
                          "userPicture", 120, 120, 495, 495);
    userNameLabel_ = withFont(placed(new ClickableLabel(QStringLiteral("Standardbenutzer"), this),
                                     "userNameLabel", 600, 120, 4575, 495),
                              18);
    userNameLabel_->setToolTip(QStringLiteral("Benutzer wechseln"));
    userNameLabel_->setAccessibleDescription(QStringLiteral("Benutzer wechseln"));
    withFont(placed(new QLabel(QStringLiteral("Auswahl"), this), "taskTypeCaption", 5280, 120, 1935,
                    495),
             18);
    taskTypeList_ = placed(new ListBox(this), "taskTypeList", 5280, 720, 1935, 1950);
    taskTypeList_->setAccessibleName(QStringLiteral("Aufgabenart"));
    withFont(placed(new QLabel(QStringLiteral("Pflicht"), this), "mandatoryListCaption", 7440, 120,
                    1815, 495),
             18);
    mandatoryList_ = placed(new ListBox(this), "mandatoryList", 7440, 720, 1815, 1950);
    mandatoryList_->setAccessibleName(QStringLiteral("Pflichtaufgaben"));
}

void TrainingWindow::buildIconRow()
{
    const auto picture = [this](const char* name, const char* icon, const QString& what, int left) {
        return placed(new PictureButton(this,
                                        QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                        what),
                      name, left, 2880, 495, 495);
    };
    exitPicture_ = picture("exitPicture", "exit", QStringLiteral("Programm beenden"), 240);
    rewardPicture_ =
            picture("rewardPicture", "reward",
                    QStringLiteral("Belohnung: nach wie vielen Aufgaben gespielt wird"), 960);
    evaluationPicture_ = picture("evaluationPicture", "evaluation",
                                 QStringLiteral("Auswertung der Fehler"), 1680);
    mandatoryPicture_ = picture("mandatoryPicture", "mandatory",
                                QStringLiteral("Pflichtaufgaben bearbeiten (Passwort)"), 2400);
    worksheetPicture_ = picture("worksheetPicture", "print",
                                QStringLiteral("Arbeitsblätter drucken (Passwort)"), 3120);
    errorListPicture_ = picture("errorListPicture", "errors",
                                QStringLiteral("Fehlerliste ansehen (Passwort)"), 3840);
    infoPicture_ = picture("infoPicture", "info", QStringLiteral("Programm-Info"), 4560);

    // The captions under the icons, the counters among them.
    const auto caption = [this](const char* name, const QString& text, int left, int width) {
        auto* label = placed(new QLabel(text, this), name, left, 3480, width, 255);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    };
    caption("exitCaption", QStringLiteral("Ende"), 240, 495);
    correctCountLabel_ = caption("correctCountLabel", QStringLiteral("0"), 960, 495);
    errorCountLabel_ = caption("errorCountLabel", QStringLiteral("0"), 1680, 495);
    caption("mandatoryCaption", QStringLiteral("Pflicht"), 2280, 735);
    caption("worksheetCaption", QStringLiteral("Drucken"), 3000, 735);
    caption("errorListCaption", QStringLiteral("Fehler"), 3720, 735);
    caption("infoCaption", QStringLiteral("Info"), 4560, 495);
}

void TrainingWindow::buildChoices()
{
    operationSignLabel_ = placed(new QLabel(this), "operationSignLabel", 360, 4080, 495, 255);
    taskTypeLabel_ = placed(new QLabel(QStringLiteral(" Wahl"), this), "taskTypeLabel", 840, 4080,
                            1695, 255);
    levelLabel_ =
            placed(new QLabel(QStringLiteral("Stufe"), this), "levelLabel", 2520, 4080, 855, 255);
    levelBar_ = placed(new QScrollBar(Qt::Horizontal, this), "levelBar", 3480, 4080, 1455, 255);
    levelBar_->setRange(1, 5);
    levelBar_->setSingleStep(1);
    levelBar_->setPageStep(1);
    levelBar_->setValue(1);
    levelBar_->setFocusPolicy(Qt::StrongFocus);
    levelBar_->setInvertedControls(false); // the right arrow raises the level
    levelBar_->setAccessibleName(QStringLiteral("Stufe"));

    const auto button = [this](const char* name, const QString& caption, int left, int top) {
        return placed(new QPushButton(caption, this), name, left, top, 1455, 495);
    };
    plusButton_ = button("plusButton", QStringLiteral("plus"), 240, 4680);
    minusButton_ = button("minusButton", QStringLiteral("minus"), 240, 5280);
    timesButton_ = button("timesButton", QStringLiteral("m a l"), 1920, 4680);
    divideButton_ = button("divideButton", QStringLiteral("geteilt"), 1920, 5280);
    randomButton_ = button("randomButton", QStringLiteral("zufällig"), 3600, 4680);
    practiceNumberButton_ = button("practiceNumberButton", QStringLiteral("üben"), 3600, 5280);
    timesButton_->setAccessibleName(QStringLiteral("mal"));
}

void TrainingWindow::buildKeypad()
{
    const auto key = [this](const char* name, const QString& caption, int left, int top) {
        return placed(new QPushButton(caption, this), name, left, top, 495, 495);
    };
    lessButton_ = withFont(key("lessButton", QStringLiteral("<"), 5400, 2880), 12);
    equalButton_ = withFont(key("equalButton", QStringLiteral("="), 6000, 2880), 12);
    greaterButton_ = withFont(key("greaterButton", QStringLiteral(">"), 6600, 2880), 12);
    // The digits as a pocket calculator has them: 7 8 9 on top, 0 at the bottom left.
    for (const int digit : { 7, 8, 9, 4, 5, 6, 1, 2, 3 }) {
        const QByteArray name = "digit" + QByteArray::number(digit) + "Button";
        digitButtons_[digit] = key(name.constData(), QString::number(digit),
                                   5400 + (digit - 1) % 3 * 600, 4680 - (digit - 1) / 3 * 600);
    }
    digitButtons_[0] = key("digit0Button", QStringLiteral("0"), 5400, 5280);
    eraseButton_ = key("eraseButton", QStringLiteral("Entf"), 6000, 5280);
    checkButton_ = key("checkButton", QStringLiteral("OK"), 6600, 5280);
    checkButton_->setDefault(true);
    // What a screen reader says for the keys whose captions are signs.
    lessButton_->setAccessibleName(QStringLiteral("kleiner als"));
    equalButton_->setAccessibleName(QStringLiteral("gleich"));
    greaterButton_->setAccessibleName(QStringLiteral("größer als"));
    eraseButton_->setAccessibleName(QStringLiteral("Entfernen"));
    checkButton_->setAccessibleName(QStringLiteral("OK, prüfen"));
}

void TrainingWindow::buildEditorAndCovers()
{
    const auto button = [this](const char* name, const QString& caption, int top) {
        return placed(new QPushButton(caption, this), name, 7560, top, 1575, 495);
    };
    insertTaskButton_ = button("insertTaskButton", QStringLiteral("Einfügen"), 2880);
    loadListButton_ = button("loadListButton", QStringLiteral("Lade Liste"), 3480);
    clearListButton_ = button("clearListButton", QStringLiteral("Lösche Liste"), 4080);
    deleteLineButton_ = button("deleteLineButton", QStringLiteral("Lösche Zeile"), 4680);
    saveListButton_ = button("saveListButton", QStringLiteral("Speichern"), 5280);

    // The two covers of the modes, parked outside the window while their mode is off.
    const auto cover = [this](const char* name, const QString& caption) {
        return withFont(
                placed(new QPushButton(caption, this), name, ModeCover::Off, 2880, 4815, 2895), 12);
    };
    errorPracticeCover_ =
            cover("errorPracticeCover", QStringLiteral("Jetzt werden die Fehler bearbeitet ..."));
    mandatoryCover_ =
            cover("mandatoryCover", QStringLiteral("Pflichtaufgaben werden bearbeitet ..."));
    rewardIntervalLabel_ = placed(new QLabel(this), "rewardIntervalLabel", 9600, 2280, 855, 375);
}

// Tab order: the keypad as it reads, the check and the signs, then the choices, the pictures and
// the mandatory editor. Controls that are parked outside or covered are passed over
// (focusNextPrevChild).
void TrainingWindow::setTabOrder()
{
    QPushButton* const* d = digitButtons_;
    const QList<QWidget*> order{ d[7],
                                 d[8],
                                 d[9],
                                 d[4],
                                 d[5],
                                 d[6],
                                 d[1],
                                 d[2],
                                 d[3],
                                 d[0],
                                 eraseButton_,
                                 checkButton_,
                                 lessButton_,
                                 equalButton_,
                                 greaterButton_,
                                 plusButton_,
                                 minusButton_,
                                 timesButton_,
                                 divideButton_,
                                 randomButton_,
                                 practiceNumberButton_,
                                 levelBar_,
                                 taskTypeList_,
                                 userPicture_,
                                 userNameLabel_,
                                 exitPicture_,
                                 rewardPicture_,
                                 evaluationPicture_,
                                 mandatoryPicture_,
                                 worksheetPicture_,
                                 errorListPicture_,
                                 infoPicture_,
                                 mandatoryList_,
                                 insertTaskButton_,
                                 loadListButton_,
                                 clearListButton_,
                                 deleteLineButton_,
                                 saveListButton_,
                                 errorPracticeCover_,
                                 mandatoryCover_ };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TrainingWindow::connectKeypad()
{
    for (int digit = 0; digit <= 9; ++digit)
        connect(digitButtons_[digit], &QAbstractButton::clicked, this, [this, digit] {
            session_.typeDigit(QChar(u'0' + digit));
            afterTyping();
        });
    for (QPushButton* sign : { lessButton_, equalButton_, greaterButton_ })
        connect(sign, &QAbstractButton::clicked, this, [this, sign] {
            session_.typeSign(sign->text().at(0));
            afterTyping();
        });
    connect(eraseButton_, &QAbstractButton::clicked, this, [this] {
        session_.erase();
        if (session_.state().entryText.isEmpty())
            afterTyping();
    });
    connect(checkButton_, &QAbstractButton::clicked, &session_, &TrainingSession::check);
}

void TrainingWindow::connectChoicesAndIcons()
{
    const std::pair<QPushButton*, Operation> operations[] = {
        { plusButton_, Operation::Plus },     { minusButton_, Operation::Minus },
        { timesButton_, Operation::Times },   { divideButton_, Operation::Divide },
        { randomButton_, Operation::Random },
    };
    for (const auto& [button, operation] : operations)
        connect(button, &QAbstractButton::clicked, this, [this, operation = operation] {
            if (operation == Operation::Random)
                afterTyping();
            session_.chooseOperation(operation);
            afterTyping();
        });
    connect(practiceNumberButton_, &QAbstractButton::clicked, this, [this] {
        afterTyping();
        session_.setPracticeNumber();
    });
    connect(taskTypeList_, &ListBox::entryClicked, this,
            [this] { session_.chooseTaskType(taskTypeList_->listIndex()); });
    // valueChanged comes for every value the thumb passes while it is dragged, as well as for
    // clicks on the arrows and keys, so each of them brings a task of its own.
    connect(levelBar_, &QScrollBar::valueChanged, this, [this](int level) {
        if (level != session_.state().level)
            session_.chooseLevel(level);
    });

    connect(exitPicture_, &QAbstractButton::clicked, &session_, &TrainingSession::askToExit);
    connect(evaluationPicture_, &QAbstractButton::clicked, &session_,
            &TrainingSession::showEvaluation);
    connect(rewardPicture_, &QAbstractButton::clicked, &session_,
            &TrainingSession::showRewardInterval);
    connect(infoPicture_, &QAbstractButton::clicked, this, &TrainingWindow::infoRequested);
    connect(worksheetPicture_, &QAbstractButton::clicked, this,
            [this] { openWithPassword(&TrainingWindow::worksheetsRequested); });
    connect(errorListPicture_, &QAbstractButton::clicked, this, [this] {
        if (!session_.askPassword(QStringLiteral("Ziftora")))
            return;
        hide();
        emit errorListRequested();
    });
    connect(userPicture_, &QAbstractButton::clicked, this, &TrainingWindow::changeUser);
    connect(userNameLabel_, &ClickableLabel::clicked, this, &TrainingWindow::changeUser);
    connect(errorPracticeCover_, &QAbstractButton::clicked, &session_,
            &TrainingSession::tellErrorsWaiting);
}

void TrainingWindow::connectEditor()
{
    connect(mandatoryPicture_, &QAbstractButton::clicked, &session_,
            &TrainingSession::toggleMandatoryEditor);
    connect(mandatoryCover_, &QAbstractButton::clicked, &session_,
            &TrainingSession::cancelMandatoryTasks);
    connect(insertTaskButton_, &QAbstractButton::clicked, &session_,
            &TrainingSession::insertTaskIntoMandatoryList);
    connect(deleteLineButton_, &QAbstractButton::clicked, &mandatory_,
            &MandatoryTasks::deleteSelectedPair);
    connect(saveListButton_, &QAbstractButton::clicked, &mandatory_, &MandatoryTasks::save);
    connect(clearListButton_, &QAbstractButton::clicked, &mandatory_, &MandatoryTasks::clear);
    connect(loadListButton_, &QAbstractButton::clicked, &mandatory_, &MandatoryTasks::loadList);
    connect(mandatoryList_, &ListBox::entryClicked, this,
            [this] { mandatory_.select(mandatoryList_->listIndex()); });
}

void TrainingWindow::connectModels()
{
    connect(&session_, &TrainingSession::taskChanged, this, &TrainingWindow::showTask);
    connect(&session_, &TrainingSession::entryChanged, this, &TrainingWindow::showEntry);
    connect(&session_, &TrainingSession::countersChanged, this, &TrainingWindow::showCounters);
    connect(&session_, &TrainingSession::modesChanged, this, &TrainingWindow::showModes);
    connect(&session_, &TrainingSession::choicesChanged, this, &TrainingWindow::showChoices);
    connect(&users_, &Users::namesChanged, this, &TrainingWindow::showUser);
    connect(&session_, &TrainingSession::childStarted, this, &TrainingWindow::showUser);
    connect(&rewardInterval_, &RewardInterval::changed, this, &TrainingWindow::showRewardInterval);
    connect(&mandatory_, &MandatoryTasks::changed, this, &TrainingWindow::showMandatoryList);
    connect(&mandatory_, &MandatoryTasks::editorOpenChanged, this, &TrainingWindow::showEditor);
    showCounters();
}

void TrainingWindow::placeOnScreen()
{
    // The width is the client width; the mandatory column starts at the right edge.
    setFixedSize(Twips::toPixels(NormalWidth), Twips::toPixels(ClientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.x() + (free.width() - frameGeometry().width()) / 10,
             free.y() + (free.height() - frameGeometry().height()) / 4);
    }
}

void TrainingWindow::focusCheckButton()
{
    checkButton_->setFocus();
}

void TrainingWindow::afterTyping()
{
    checkButton_->setFocus();
}

void TrainingWindow::openWithPassword(void (TrainingWindow::*request)())
{
    if (session_.askPassword(QStringLiteral("Ziftora")))
        emit(this->*request)();
}

void TrainingWindow::changeUser()
{
    if (session_.prepareChangeOfChild())
        emit userWindowRequested();
}

// What the models say, shown.

void TrainingWindow::showTask()
{
    taskLabel_->setText(session_.taskText());
}

void TrainingWindow::showEntry()
{
    entryDisplay_->showEntry(session_.shownEntry());
}

void TrainingWindow::showCounters()
{
    const auto show = [](QLabel* counter, const QString& what, qint64 count) {
        counter->setText(QString::number(count));
        counter->setAccessibleName(what + QString::number(count));
        counter->setToolTip(counter->accessibleName());
    };
    show(correctCountLabel_, QStringLiteral("Richtige Lösungen: "), session_.correctCount());
    show(errorCountLabel_, QStringLiteral("Fehler: "), session_.errorCount());
}

void TrainingWindow::showModes()
{
    // A cover that is on covers the left half; when both are on, the mode switched on last lies
    // on top.
    ModeCover::place(errorPracticeCover_, session_.errorPractice());
    ModeCover::place(mandatoryCover_, session_.mandatoryMode());
    const bool errorsOnTop = session_.modeOnTop() == TrainingSession::Mode::ErrorPractice;
    QPushButton* top = errorsOnTop ? errorPracticeCover_ : mandatoryCover_;
    QPushButton* below = errorsOnTop ? mandatoryCover_ : errorPracticeCover_;
    const bool belowOn = errorsOnTop ? session_.mandatoryMode() : session_.errorPractice();
    if (belowOn)
        below->raise();
    if (errorsOnTop ? session_.errorPractice() : session_.mandatoryMode())
        top->raise();
}

void TrainingWindow::showChoices()
{
    operationSignLabel_->setText(session_.operationSign());
    taskTypeLabel_->setText(session_.taskTypeName());
    levelLabel_->setText(session_.levelText());
    if (session_.state().level >= levelBar_->minimum())
        levelBar_->setValue(session_.state().level);
    if (taskTypeList_->entries() != session_.taskTypes())
        taskTypeList_->showEntries(session_.taskTypes(), session_.taskTypeIndex());
    else
        taskTypeList_->showSelected(session_.taskTypeIndex());
    practiceNumberButton_->setText(session_.practiceNumberCaption());
}

void TrainingWindow::showUser()
{
    userNameLabel_->setText(users_.startedName());
}

void TrainingWindow::showRewardInterval()
{
    rewardIntervalLabel_->setText(QString::number(rewardInterval_.value()));
}

void TrainingWindow::showMandatoryList()
{
    if (mandatoryList_->entries() != mandatory_.entries())
        mandatoryList_->showEntries(mandatory_.entries(), mandatory_.selected());
    else
        mandatoryList_->showSelected(mandatory_.selected());
}

void TrainingWindow::showEditor()
{
    // The editor column shows at the wider width.
    setFixedSize(Twips::toPixels(mandatory_.editorOpen() ? EditorWidth : NormalWidth),
                 Twips::toPixels(ClientHeight));
}

void TrainingWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the window frame asks the same question as the exit icon.
    if (!session_.hasEnded())
        session_.askToExit();
    if (session_.hasEnded())
        event->accept();
    else
        event->ignore();
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

bool TrainingWindow::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            session_.check();
        return true;
    case Qt::Key_Escape:
        session_.askToExit();
        return true;
    case Qt::Key_Backspace:
        session_.backspace();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QChar typed = text.at(0);
    if (typed >= u'0' && typed <= u'9') {
        session_.typeDigit(typed);
        afterTyping();
        return true;
    }
    switch (typed.unicode()) {
    case '<':
    case '=':
    case '>':
        session_.typeSign(typed);
        afterTyping();
        return true;
    case '*':
        session_.endMandatoryTasks();
        return true;
    default:
        return false;
    }
}
