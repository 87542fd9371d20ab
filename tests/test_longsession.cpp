// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole school morning of random pupils against each trainer window: random drops, clicks,
// keys, buttons, offers, games, worksheets and answers to every box, with the program's state
// checked after every single action. SR_LONGSESSION_SEED replays a session, and
// SR_LONGSESSION_ACTIONS sets how many actions each trainer window takes.
#include "app/InfoWindow.h"
#include "app/StartWindow.h"
#include "app/Windows.h"
#include "entry/AnswerField.h"
#include "entry/KeyInput.h"
#include "entry/KeySymbol.h"
#include "entry/TileMime.h"
#include "fakes/TestProgram.h"
#include "games/MemoryWindow.h"
#include "games/NumberCatchWindow.h"
#include "trainer/TrainerWindow.h"
#include "vocabulary/Zahlenzeile.h"
#include "worksheet/WorksheetPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPixmapCache>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <chrono>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(Modul)

namespace {

using Answer = Dialogs::Answer;

const QString kFalsch = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString kRichtig = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");
const char *const kTrainerNames[] = {"Form1", "Form2", "Form3"};

// How much the heap in use may grow from the first to the second half of a session: a window's
// drawing surface more or less fits, a leak of a few dozen bytes per action over 100,000 actions
// does not.
constexpr long kHeapGrowthLimitKb = 2 * 1024;
// Samples of the heap along a session, and the session length from which their peaks are held
// against each other.
constexpr long kHeapSamples = 40;
constexpr long kHeapCheckedFrom = 20000;

// Qt's warnings during a session, but for the offscreen platform's note that it cannot raise a
// window: any other warning is a finding.
QStringList qtWarnings;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message == QStringLiteral("This plugin does not support raise()")) {
        return;
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        qtWarnings.append(message);
    }
    previousHandler(type, context, message);
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

struct MemoryUse {
    long residentKb = 0;
    long settledKb = 0; // resident once Qt's pixmap cache is emptied and free heap given back
    long heapKb = 0;    // heap in use at that moment
};

// Qt's pixmap cache fills with drawn controls up to its own limit (10 MB); emptied, what is left
// is the program's own memory.
MemoryUse memoryUse() {
    MemoryUse use;
    use.residentKb = residentKilobytes();
    QPixmapCache::clear();
    malloc_trim(0);
    use.settledKb = residentKilobytes();
    use.heapKb = static_cast<long>(mallinfo2().uordblks / 1024);
    return use;
}

std::uint64_t environmentNumber(const char *name, std::uint64_t fallback) {
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// Everything of a trainer that a pupil's action may change.
struct TrainerState {
    int punkte = 0;
    int fehler = 0;
    QStringList liste1;
    QStringList liste2;
    QString behalte1;
    QString behalte2;
    bool mehrfach = false;
    bool luecken = false;
    Rechenart art = Rechenart::Addition;
    std::array<QString, 20> zellen;
    std::array<QString, 14> gaps;
    QString tastenzahl;
    int tastenwert = 0;
    int fortschritt = 0;
    bool zahlfange = false;
    bool memory = false;

    bool sameTask(const TrainerState &other) const {
        return liste1 == other.liste1 && liste2 == other.liste2 && mehrfach == other.mehrfach &&
               luecken == other.luecken && art == other.art;
    }
    QString text(Feld feld) const {
        return feld.art == Feld::Art::Raster ? zellen.at(static_cast<std::size_t>(feld.nummer))
                                             : gaps.at(static_cast<std::size_t>(feld.nummer));
    }
    bool operator==(const TrainerState &) const = default;
};

TrainerState stateOf(const Trainer &t) {
    TrainerState s;
    s.punkte = t.punkte();
    s.fehler = t.fehler();
    s.liste1 = t.liste1();
    s.liste2 = t.liste2();
    s.behalte1 = t.behalte1();
    s.behalte2 = t.behalte2();
    s.mehrfach = t.mehrfachModus();
    s.luecken = t.lueckenModus();
    s.art = t.rechenart();
    for (int n = 1; n <= 19; ++n) {
        s.zellen.at(static_cast<std::size_t>(n)) = t.zelle(n);
    }
    for (int k = 1; k <= 13; ++k) {
        s.gaps.at(static_cast<std::size_t>(k)) = t.luecke(k);
    }
    s.tastenzahl = t.tastenzahl();
    s.tastenwert = t.tastenwert();
    s.fortschritt = t.fortschritt();
    s.zahlfange = t.zahlfangeAngebot();
    s.memory = t.memoryAngebot();
    return s;
}

int wert(const QString &zeile) {
    return zeile.trimmed().toInt();
}

int digitAt(int value, int position) {
    for (int i = 0; i < position; ++i) {
        value /= 10;
    }
    return value % 10;
}

// The carry string (thousands, hundreds, tens) agrees with the column sums of the rows adding
// up to the total.
bool carriesAgree(const QString &carries, const QList<int> &rows, int total) {
    if (carries.size() < 3) {
        return false;
    }
    int carry = 0;
    for (int column = 0; column < 3; ++column) {
        int sum = carry;
        for (int row : rows) {
            sum += digitAt(row, column);
        }
        carry = zahlWert(QString(carries.at(2 - column)));
        if (!carries.at(2 - column).isDigit() || sum != digitAt(total, column) + 10 * carry) {
            return false;
        }
    }
    return carry == total / 1000;
}

// The controls of one trainer window a pupil reaches, by their table names.
struct TrainerControls {
    std::vector<std::pair<AnswerField *, Feld>> raster; // Bezeichnung7..13
    std::vector<std::pair<AnswerField *, Feld>> gaps;   // luecke1..13
    KeySymbol *tasten = nullptr;
    KeySymbol *ltasten = nullptr;
    QLabel *punkte = nullptr;
    QLabel *fehler = nullptr;
    QLabel *zahlfangeOffer = nullptr;
    QLabel *memoryOffer = nullptr;
    std::vector<QWidget *> buttons; // mode, Ende, Hilfe, Info, Blatt and the worksheet panel's
    std::vector<QWidget *> tiles;
};

template <typename T = QWidget> T *named(const QWidget *parent, const QString &name) {
    auto *found = parent->findChild<T *>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

TrainerControls controlsOf(TrainerWindow &w) {
    TrainerControls c;
    for (int n = 7; n <= 13; ++n) {
        c.raster.emplace_back(named<AnswerField>(&w, QStringLiteral("Bezeichnung%1").arg(n)),
                              Feld::raster(n));
    }
    for (int k = 1; k <= 13; ++k) {
        c.gaps.emplace_back(named<AnswerField>(&w, QStringLiteral("luecke%1").arg(k)),
                            Feld::luecke(k));
    }
    c.tasten = named<KeySymbol>(&w, QStringLiteral("tasten"));
    c.ltasten = named<KeySymbol>(&w, QStringLiteral("ltasten"));
    c.punkte = named<QLabel>(&w, QStringLiteral("Bezeichnung22"));
    c.fehler = named<QLabel>(&w, QStringLiteral("Bezeichnung23"));
    const bool gemischt = w.trainer().modul() == Modul::Gemischt;
    c.zahlfangeOffer = named<QLabel>(&w, gemischt ? QStringLiteral("Bezeichnung28")
                                                  : QStringLiteral("Bezeichnung26"));
    c.memoryOffer = named<QLabel>(&w, gemischt ? QStringLiteral("Bezeichnung29")
                                               : QStringLiteral("Bezeichnung28"));
    for (int n : {1, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}) {
        c.buttons.push_back(named(&w, QStringLiteral("Befehl%1").arg(n)));
    }
    for (int n = 2; n <= 11; ++n) {
        c.tiles.push_back(named(&w, QStringLiteral("Befehl%1").arg(n)));
    }
    return c;
}

// Where a pupil aims at a control: its centre, in its window. Nothing when the control is not
// shown or lies outside the window's client area (parked).
std::optional<QPoint> aim(const QWidget *control) {
    const QWidget *window = control->window();
    if (!window->isVisible() || !control->isVisibleTo(window)) {
        return std::nullopt;
    }
    const QPoint point = control->mapTo(window, control->rect().center());
    if (!window->rect().contains(point)) {
        return std::nullopt;
    }
    return point;
}

// The widget a drag released at this point of the window goes to, found as the window system
// does: the control under the point, or the nearest of its parents that takes drops.
QWidget *dropTargetAt(QWidget *window, QPoint point) {
    QWidget *target = window->childAt(point);
    if (target == nullptr) {
        target = window;
    }
    while (!target->isWindow() && !target->acceptDrops()) {
        target = target->parentWidget();
    }
    return target->acceptDrops() ? target : nullptr;
}

// Delivers a drag of this data released at the point; the data stays the caller's.
void dropAt(QWidget *window, QPoint point, QMimeData *data) {
    QWidget *target = dropTargetAt(window, point);
    if (target == nullptr) {
        return;
    }
    const QPoint local = target->mapFrom(window, point);
    QDragEnterEvent enter(local, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragLeaveEvent leave;
    if (!enter.isAccepted()) {
        QCoreApplication::sendEvent(target, &leave);
        return;
    }
    QDragMoveEvent move(local, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    if (!move.isAccepted()) {
        QCoreApplication::sendEvent(target, &leave);
        return;
    }
    QDropEvent drop(QPointF(local), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// The control a key pressed in this active window goes to: its focus control, or the window.
QWidget *keyTarget(QWidget *window) {
    return window->focusWidget() != nullptr ? window->focusWidget() : window;
}

// A key pressed and released while this window is active.
void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointer<QWidget> target = keyTarget(window);
    const QString text = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde
                             ? QString(QChar(static_cast<char16_t>(key)))
                             : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    if (target) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(target, &release);
    }
}

// A foreign drag: text, a link or a file from another program, data without any format, or
// our own format carrying something that is not one digit.
QMimeData *foreignData(int kind) {
    auto *data = new QMimeData;
    switch (kind) {
    case 0:
        data->setText(QStringLiteral("7"));
        break;
    case 1:
        data->setUrls({QUrl(QStringLiteral("https://example.org/7"))});
        break;
    case 2:
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/7"))});
        break;
    case 3:
        break;
    default: {
        // Reuses the tile's format name through a real tile's data.
        QMimeData *tile = TileMime::make(QStringLiteral("7"));
        const QString format = tile->formats().first();
        delete tile;
        data->setData(format, kind == 4 ? QByteArray("12") : QByteArray("x"));
        break;
    }
    }
    return data;
}

// The judgement an action is expected to bring, from the task record and the grid before it.
struct Judgement {
    TrainerWindow *window = nullptr;
    Feld feld;
    QString ziffer;
    bool right = false;
    bool direct = false; // a drop on the field itself, not through the key symbol
};

class Pupil {
public:
    Pupil(std::uint64_t seed, Modul favourite) : seed_(seed), favourite_(favourite), dice_(seed) {}

    void play(long trainerActions);

    QString failure;
    std::map<QString, long> actionsPerWindow;
    long actions = 0;
    long checks = 0;
    long judgedRight = 0;
    long judgedWrong = 0;
    long tasksSolved = 0;
    long offersTaken = 0;
    long gamesWon = 0;
    long printed = 0;
    long copied = 0;
    long restarts = 0;
    MemoryUse atStart;
    MemoryUse warm;
    MemoryUse atEnd;
    long residentAfterwards = 0;
    // The largest heap in use sampled in the first and in the second half after the warm-up: a
    // window's drawing surface lives from its first showing to the next restart, so single
    // samples differ with the windows shown since; a leak raises the second half's peak.
    long heapPeakFirstHalf = 0;
    long heapPeakSecondHalf = 0;

private:
    struct Choice {
        double weight;
        const char *name;
        std::function<void()> act;
    };
    struct Before {
        std::map<const TrainerWindow *, TrainerState> trainers;
        std::map<const TrainerWindow *, bool> visible;
    };
    enum class Kind { Other, Print, Copy };

    void start();
    void settle();
    void step();
    void perform(QWidget *window);
    void choose(std::vector<Choice> &choices);
    std::vector<TrainerWindow *> trainers() const;
    TrainerControls &controls(TrainerWindow &w);
    QWidget *frontWindow() const;
    std::vector<const QWidget *> shownWindows() const;
    void bringToPupil(QWidget *window);
    void scriptDialogs();
    void whileBoxOpen(const FakeDialogs::Shown &box);

    void startWindowActions(StartWindow *w, std::vector<Choice> &c);
    void trainerActions(TrainerWindow *w, std::vector<Choice> &c);
    void infoActions(InfoWindow *w, std::vector<Choice> &c);
    void numberCatchActions(NumberCatchWindow *w, std::vector<Choice> &c);
    void memoryActions(MemoryWindow *w, std::vector<Choice> &c);
    void noteTarget(const QWidget *target);
    void clickAt(QWidget *window, QPoint point);
    void clickControl(QWidget *control);
    void key(QWidget *window, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void dropDigit(TrainerWindow *w, QPoint point, const std::function<QString(QWidget *)> &digit);
    void typeKey(TrainerWindow *w, int code, Qt::KeyboardModifiers modifiers);

    void check(const Before &before);
    void checkTrainer(TrainerWindow &w, const TrainerState &before, bool existedBefore,
                      bool visibleBefore);
    void checkRecords(const Trainer &t);
    void checkFields(TrainerWindow &w, const TrainerState &before, const TrainerState &now);
    void checkGames();
    void expect(bool ok, const QString &what);

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(dice_) < p; }
    // Pupils take turns: a guessing one, then one who mostly knows the answers.
    double skill() const { return (actions / 250) % 2 == 0 ? 0.3 : 0.9; }

    std::uint64_t seed_;
    Modul favourite_;
    std::mt19937_64 dice_;
    std::unique_ptr<TestProgram> run_;
    std::map<const TrainerWindow *, TrainerControls> controls_;
    std::array<int, 3> right_{};
    std::array<int, 3> wrong_{};
    std::optional<Judgement> expected_;
    Kind kind_ = Kind::Other;
    QString typedPassword_;
    QString shownPoints_;
    QString action_;
    QString boxProblem_;
};

void Pupil::play(long trainerActions) {
    atStart = memoryUse();
    start();
    const QString favourite = QString::fromLatin1(kTrainerNames[static_cast<int>(favourite_)]);
    const long warmUp = std::max(500L, trainerActions / 10);
    const long sampleEvery = std::max(1L, (trainerActions - warmUp) / kHeapSamples);
    long nextSample = warmUp;
    while (failure.isEmpty() && actionsPerWindow[favourite] < trainerActions) {
        step();
        if (actions % 64 == 0) {
            settle();
        }
        if (actionsPerWindow[favourite] >= nextSample) {
            settle();
            const MemoryUse sample = memoryUse();
            if (nextSample == warmUp) {
                warm = sample;
            }
            long &peak =
                nextSample < (warmUp + trainerActions) / 2 ? heapPeakFirstHalf : heapPeakSecondHalf;
            peak = std::max(peak, sample.heapKb);
            nextSample += sampleEvery;
        }
    }
    settle();
    atEnd = memoryUse();
    heapPeakSecondHalf = std::max(heapPeakSecondHalf, atEnd.heapKb);
    run_.reset();
    controls_.clear();
    settle();
    residentAfterwards = residentKilobytes();
}

void Pupil::start() {
    controls_.clear();
    run_.reset();
    run_ = std::make_unique<TestProgram>(seed_ + static_cast<std::uint64_t>(restarts));
    right_ = {};
    wrong_ = {};
    run_->fakes.dialogs.whileOpen = [this](const FakeDialogs::Shown &box) { whileBoxOpen(box); };
    run_->windows.start();
    settle();
}

// Lets Qt deliver what it queued: window activations, paint events, deferred deletions.
void Pupil::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<TrainerWindow *> Pupil::trainers() const {
    std::vector<TrainerWindow *> found;
    for (Modul m : {Modul::Addition, Modul::Subtraktion, Modul::Gemischt}) {
        if (TrainerWindow *w = run_->windows.trainer(m)) {
            found.push_back(w);
        }
    }
    return found;
}

QWidget *Pupil::frontWindow() const {
    for (QWidget *w : run_->mainWindows()) {
        if (w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

std::vector<const QWidget *> Pupil::shownWindows() const {
    std::vector<const QWidget *> shown;
    for (QWidget *w : run_->mainWindows()) {
        if (w->isVisible()) {
            shown.push_back(w);
        }
    }
    return shown;
}

TrainerControls &Pupil::controls(TrainerWindow &w) {
    auto found = controls_.find(&w);
    if (found == controls_.end()) {
        found = controls_.emplace(&w, controlsOf(w)).first;
    }
    return found->second;
}

// The window manager gives the window the focus the moment the pupil turns to it.
void Pupil::bringToPupil(QWidget *window) {
    if (QApplication::activeWindow() != window) {
        QApplication::setActiveWindow(window);
    }
}

void Pupil::scriptDialogs() {
    FakeDialogs &dialogs = run_->fakes.dialogs;
    dialogs.shown.clear();
    dialogs.answers.clear();
    dialogs.inputs.clear();
    for (int i = 0; i < 3; ++i) {
        dialogs.answerNext(chance(0.5) ? Answer::Yes : Answer::No);
    }
    run_->fakes.printer.documents.clear();
    run_->fakes.clipboard.texts.clear();
    using K = Printer::Outcome::Kind;
    static const K kinds[] = {K::Printed,   K::SavedToFile, K::Failed,
                              K::Cancelled, K::Unreachable, K::NotPrepared};
    run_->fakes.printer.outcome = {kinds[roll(static_cast<int>(std::size(kinds)))],
                                   QStringLiteral("Test")};
    run_->fakes.clipboard.outcome =
        chance(0.25) ? Clipboard::Outcome::Refused : Clipboard::Outcome::Copied;
    run_->fakes.clock.seconds = (run_->fakes.clock.seconds + roll(3)) % 86400;
}

void Pupil::step() {
    QWidget *window = frontWindow();
    if (window == nullptr) {
        expect(false, QStringLiteral("no window of the program is shown"));
        return;
    }
    InfoWindow *info = run_->windows.info();
    if (info != nullptr && info->isVisible() && chance(0.15)) {
        window = info;
    }
    bringToPupil(window);
    Before before;
    for (TrainerWindow *w : trainers()) {
        before.trainers[w] = stateOf(w->trainer());
        before.visible[w] = w->isVisible();
    }
    scriptDialogs();
    expected_.reset();
    kind_ = Kind::Other;
    typedPassword_.clear();
    boxProblem_.clear();
    auto *trainerWindow = qobject_cast<TrainerWindow *>(window);
    shownPoints_ = trainerWindow != nullptr ? controls(*trainerWindow).punkte->text() : QString();
    const QString windowName = window->objectName();
    const std::vector<const QWidget *> shownBefore = shownWindows();
    perform(window);
    ++actions;
    ++actionsPerWindow[windowName];
    if (expected_) {
        const auto m = static_cast<std::size_t>(expected_->window->trainer().modul());
        ++(expected_->right ? right_ : wrong_)[m];
        ++(expected_->right ? judgedRight : judgedWrong);
    }
    if (shownWindows() != shownBefore) {
        settle();
    }
    if (run_->windows.quitRequested) {
        for (QWidget *w : run_->mainWindows()) {
            expect(!w->isVisible(),
                   QStringLiteral("%1 still shown after quit").arg(w->objectName()));
        }
        expect(run_->windows.info() == nullptr || !run_->windows.info()->isVisible(),
               QStringLiteral("info window still shown after quit"));
        ++restarts;
        start();
        return;
    }
    check(before);
}

void Pupil::choose(std::vector<Choice> &choices) {
    double total = 0;
    for (const Choice &c : choices) {
        total += c.weight;
    }
    double r = std::uniform_real_distribution<double>(0, total)(dice_);
    for (Choice &c : choices) {
        r -= c.weight;
        if (r < 0 || &c == &choices.back()) {
            action_ = QString::fromLatin1(c.name);
            c.act();
            return;
        }
    }
}

void Pupil::perform(QWidget *window) {
    std::vector<Choice> choices;
    // Anywhere in the window: what lies there takes the click.
    choices.push_back({2, "click anywhere", [this, window] {
                           clickAt(window, QPoint(roll(window->width()), roll(window->height())));
                       }});
    choices.push_back({1, "spurious activation", [window] {
                           // A closed message box gives its window the activation once more.
                           QEvent activate(QEvent::WindowActivate);
                           QCoreApplication::sendEvent(window, &activate);
                       }});
    if (auto *w = qobject_cast<TrainerWindow *>(window)) {
        trainerActions(w, choices);
    } else if (auto *w = qobject_cast<StartWindow *>(window)) {
        startWindowActions(w, choices);
    } else if (auto *w = qobject_cast<InfoWindow *>(window)) {
        infoActions(w, choices);
    } else if (auto *w = qobject_cast<NumberCatchWindow *>(window)) {
        numberCatchActions(w, choices);
    } else if (auto *w = qobject_cast<MemoryWindow *>(window)) {
        memoryActions(w, choices);
    }
    choose(choices);
}

// Print and copy buttons are the only ones allowed to reach printer and clipboard.
void Pupil::noteTarget(const QWidget *target) {
    const QString name = target != nullptr ? target->objectName() : QString();
    if (name == QStringLiteral("Befehl17") || name == QStringLiteral("Befehl18")) {
        kind_ = Kind::Print;
    } else if (name == QStringLiteral("Befehl19")) {
        kind_ = Kind::Copy;
    }
}

void Pupil::clickAt(QWidget *window, QPoint point) {
    noteTarget(window->childAt(point));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

void Pupil::clickControl(QWidget *control) {
    if (const auto point = aim(control)) {
        clickAt(control->window(), *point);
    }
}

void Pupil::key(QWidget *window, int code, Qt::KeyboardModifiers modifiers) {
    if (code == Qt::Key_Space) {
        noteTarget(keyTarget(window));
    }
    pressKey(window, code, modifiers);
}

void Pupil::startWindowActions(StartWindow *w, std::vector<Choice> &c) {
    static const char *const pictures[] = {"Bild1", "Bild2", "Bild6"};
    c.push_back({12, "open a trainer", [this, w] {
                     const int m = chance(0.8) ? static_cast<int>(favourite_) : roll(3);
                     clickControl(named(w, QString::fromLatin1(pictures[m])));
                 }});
    c.push_back({2, "help", [this, w] { clickControl(named(w, QStringLiteral("Bild4"))); }});
    c.push_back({1, "key", [this, w] { key(w, Qt::Key_A + roll(26)); }});
    c.push_back({0.3, "Ende", [this, w] {
                     run_->fakes.dialogs.answers = {chance(0.3) ? Answer::Yes : Answer::No};
                     clickControl(named(w, QStringLiteral("Bild3")));
                 }});
    c.push_back({0.05, "close by frame", [w] { w->close(); }});
}

void Pupil::infoActions(InfoWindow *w, std::vector<Choice> &c) {
    c.push_back(
        {3, "print mode", [this, w] { clickControl(named(w, QStringLiteral("Kontroll1"))); }});
    c.push_back({1, "Okay", [this, w] { clickControl(named(w, QStringLiteral("Bezeichnung1"))); }});
    c.push_back(
        {1, "close picture", [this, w] { clickControl(named(w, QStringLiteral("Bild1"))); }});
    c.push_back({1, "close by frame", [w] { w->close(); }});
}

void Pupil::trainerActions(TrainerWindow *w, std::vector<Choice> &c) {
    TrainerControls *k = &controls(*w);
    Trainer *t = &w->trainer();
    auto someField = [this, k, t]() {
        // Now and then the pupil aims at a field of the other mode, covered or parked; a pupil
        // in a good phase goes for the fields still empty.
        const bool gaps = chance(0.9) ? t->lueckenModus() : chance(0.5);
        const auto &pool = gaps ? k->gaps : k->raster;
        std::vector<AnswerField *> empty;
        for (const auto &[field, feld] : pool) {
            if (field->text().isEmpty() && t->erreichbar(feld)) {
                empty.push_back(field);
            }
        }
        if (!empty.empty() && chance(skill())) {
            return empty.at(static_cast<std::size_t>(roll(static_cast<int>(empty.size()))));
        }
        return pool.at(static_cast<std::size_t>(roll(static_cast<int>(pool.size())))).first;
    };
    // A pupil in a good phase mostly knows the digit that belongs where the tile lands.
    // There is no tile for a space: where a space belongs, any tile is wrong.
    auto knowing = [this, t](QWidget *target) -> QString {
        const QString random = QString::number(roll(10));
        auto *field = qobject_cast<AnswerField *>(target);
        QChar known;
        if (!chance(skill()) ||
            (field == nullptr && qobject_cast<KeySymbol *>(target) == nullptr)) {
            return random;
        }
        if (field == nullptr) {
            known = t->tastenzahl().isEmpty() ? QChar() : t->tastenzahl().at(0);
        } else {
            const QString name = field->objectName();
            const bool gap = name.startsWith(QStringLiteral("luecke"));
            const int n = name.mid(gap ? 6 : 11).toInt();
            known = !gap && n <= 9 && chance(0.5)
                        ? t->uebertragAusRaster(n)
                        : t->erwarteteZiffer(gap ? Feld::luecke(n) : Feld::raster(n));
        }
        return known.isDigit() ? QString(known) : random;
    };
    c.push_back({30, "drop a tile on a field", [this, w, someField, knowing] {
                     if (const auto point = aim(someField())) {
                         dropDigit(w, *point, knowing);
                     }
                 }});
    c.push_back({2, "drop foreign data", [this, w, someField] {
                     if (const auto point = aim(someField())) {
                         const std::unique_ptr<QMimeData> data(foreignData(roll(6)));
                         dropAt(w, *point, data.get());
                     }
                 }});
    c.push_back({12, "click a field", [this, someField] { clickControl(someField()); }});
    for (KeySymbol *symbol : {k->tasten, k->ltasten}) {
        if (const auto point = aim(symbol)) {
            c.push_back({3, "click the key symbol", [this, symbol] { clickControl(symbol); }});
            c.push_back({8, "drop a tile on the key symbol",
                         [this, w, point, knowing] { dropDigit(w, *point, knowing); }});
        }
    }
    c.push_back({20, "key", [this, w, t] {
                     static const int others[] = {
                         Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                         Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab,
                         Qt::Key_A,         Qt::Key_G,      Qt::Key_F1,     Qt::Key_Delete,
                         Qt::Key_Home,      Qt::Key_Space,  Qt::Key_Minus,  Qt::Key_Plus};
                     static const int modifiers[] = {Qt::Key_Shift, Qt::Key_Control,
                                                     Qt::Key_Alt,   Qt::Key_Meta,
                                                     Qt::Key_AltGr, Qt::Key_CapsLock};
                     const double r = std::uniform_real_distribution<double>(0, 1)(dice_);
                     const QString expected = t->tastenzahl();
                     if (r < skill() / 2 + 0.2 && expected.size() == 1) {
                         typeKey(w,
                                 expected == QStringLiteral(" ") ? Qt::Key_Space
                                                                 : Qt::Key_0 + expected.toInt(),
                                 Qt::NoModifier);
                     } else if (r < 0.75) {
                         typeKey(w, Qt::Key_0 + roll(10), Qt::NoModifier);
                     } else if (r < 0.82) {
                         typeKey(w, Qt::Key_0 + roll(10), Qt::KeypadModifier);
                     } else if (r < 0.88) {
                         typeKey(w, modifiers[roll(6)], Qt::NoModifier);
                     } else {
                         typeKey(w, others[roll(16)], Qt::NoModifier);
                     }
                 }});
    for (QWidget *button : k->buttons) {
        if (!aim(button)) {
            continue;
        }
        const QString name = button->objectName();
        // The worksheet's buttons stand only while it is open; the rest draw a new task or
        // leave the window, which pupils do now and then.
        double weight = 0.5;
        if (name == QStringLiteral("Befehl16") || name == QStringLiteral("Befehl19")) {
            weight = 3;
        } else if (name == QStringLiteral("Befehl17") || name == QStringLiteral("Befehl18")) {
            weight = 2;
        } else if (name == QStringLiteral("Befehl1")) {
            weight = 0.3;
        }
        c.push_back(
            {weight, "button", [this, k, button, name] {
                 action_ = name;
                 if (name == QStringLiteral("Befehl17") || name == QStringLiteral("Befehl18")) {
                     static const QString odd[] = {
                         QString(), QString(10000, QLatin1Char('9')), QStringLiteral("äöü€ 😀"),
                         QStringLiteral("\t\r\n\x01\x1b"), QStringLiteral("Passwort")};
                     typedPassword_ = chance(0.5) ? k->punkte->text() : odd[roll(5)];
                     run_->fakes.dialogs.inputs = {typedPassword_};
                 }
                 clickControl(button);
             }});
    }
    for (QLabel *offer : {k->zahlfangeOffer, k->memoryOffer}) {
        if (aim(offer)) {
            c.push_back({10, "offer", [this, offer] {
                             ++offersTaken;
                             clickControl(offer);
                         }});
        }
    }
    c.push_back({1, "press a tile",
                 [this, k] { clickControl(k->tiles.at(static_cast<std::size_t>(roll(10)))); }});
    c.push_back({0.1, "close by frame", [w] { w->close(); }});
}

// A tile dropped at the point: the judgement it should bring is worked out from what lies there.
void Pupil::dropDigit(TrainerWindow *w, QPoint point,
                      const std::function<QString(QWidget *)> &digit) {
    QWidget *target = dropTargetAt(w, point);
    const QString ziffer = digit(target);
    const Trainer &t = w->trainer();
    if (auto *field = qobject_cast<AnswerField *>(target)) {
        for (const auto &[candidate, feld] :
             t.lueckenModus() ? controls(*w).gaps : controls(*w).raster) {
            if (candidate == field && t.erreichbar(feld)) {
                const bool carry = feld.art == Feld::Art::Raster && feld.nummer <= 9;
                const QChar e = carry ? t.uebertragAusRaster(feld.nummer) : t.erwarteteZiffer(feld);
                expected_ = Judgement{w, feld, ziffer, ziffer == QString(e), true};
            }
        }
    } else if (qobject_cast<KeySymbol *>(target) != nullptr && t.auswahl()) {
        expected_ = Judgement{w, *t.auswahl(), t.tastenzahl(), ziffer == t.tastenzahl(), false};
    }
    const std::unique_ptr<QMimeData> data(TileMime::make(ziffer));
    dropAt(w, point, data.get());
}

void Pupil::typeKey(TrainerWindow *w, int code, Qt::KeyboardModifiers modifiers) {
    const Trainer &t = w->trainer();
    const KeyInput::Entry entry = KeyInput::fromKey(code);
    if (t.auswahl() && entry.isEntry && !w->worksheet().isOpen()) {
        const bool right = entry.character && QString(*entry.character) == t.tastenzahl();
        expected_ = Judgement{w, *t.auswahl(), t.tastenzahl(), right, false};
    }
    key(w, code, modifiers);
}

void Pupil::numberCatchActions(NumberCatchWindow *w, std::vector<Choice> &c) {
    static const char *const arrows[] = {"Bild1", "Bild2", "Bild3", "Bild4"};
    static const int arrowKeys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right};
    c.push_back({4, "arrow picture",
                 [this, w] { clickControl(named(w, QString::fromLatin1(arrows[roll(4)]))); }});
    c.push_back({4, "arrow key", [this, w] { key(w, arrowKeys[roll(4)]); }});
    c.push_back({20, "step towards the digit", [this, w] {
                     const NumberCatchState &m = run_->windows.numberCatchState();
                     if (m.restZiffern.isEmpty()) {
                         return;
                     }
                     const int dx = m.zifferX[1] - m.spielerX;
                     const int dy = m.zifferY[1] - m.spielerY;
                     int code = dx < 0 ? Qt::Key_Left : Qt::Key_Right;
                     if (dx == 0 || (dy != 0 && chance(0.5))) {
                         code = dy < 0 ? Qt::Key_Up : Qt::Key_Down;
                     }
                     key(w, code);
                 }});
    c.push_back({2, "tick", [this] { run_->timer.fire(); }});
    c.push_back({0.2, "Escape", [this, w] { key(w, Qt::Key_Escape); }});
    c.push_back({0.2, "ENDE", [this, w] { clickControl(named(w, QStringLiteral("Befehl1"))); }});
    c.push_back({1, "speed bar", [this, w] {
                     auto *bar = named<QScrollBar>(w, QStringLiteral("HBildlauf1"));
                     const QPoint end = chance(0.5) ? QPoint(3, bar->height() / 2)
                                                    : QPoint(bar->width() - 4, bar->height() / 2);
                     clickAt(w, bar->mapTo(w, end));
                 }});
    c.push_back({1, "key", [this, w] { key(w, Qt::Key_0 + roll(10)); }});
    c.push_back({0.1, "close by frame", [w] { w->close(); }});
}

void Pupil::memoryActions(MemoryWindow *w, std::vector<Choice> &c) {
    c.push_back({10, "card", [this, w] {
                     const Memory &board = w->spiel();
                     int k = roll(Memory::kKartenAnzahl) + 1;
                     if (board.gemischt() && board.ersteKarte() > 0 && board.zweiteKarte() == 0 &&
                         chance(0.6)) {
                         // The pupil remembers where the partner lies.
                         const QChar value = board.kartenFolge().at(board.ersteKarte() - 1);
                         for (int j = 1; j <= Memory::kKartenAnzahl; ++j) {
                             if (j != board.ersteKarte() &&
                                 board.kartenFolge().at(j - 1) == value) {
                                 k = j;
                             }
                         }
                     }
                     clickControl(named(w, QStringLiteral("Bezeichnung%1").arg(k)));
                 }});
    c.push_back({0.3, "ENDE", [this, w] { clickControl(named(w, QStringLiteral("Befehl1"))); }});
    c.push_back({0.5, "Hilfe", [this, w] { clickControl(named(w, QStringLiteral("Befehl2"))); }});
    c.push_back({0.1, "close by frame", [w] { w->close(); }});
}

// The state of the moment while a box is open: a wrong digit stands in its field, and a task
// called solved is solved. Ticks of the game's timer come in while its question is open.
void Pupil::whileBoxOpen(const FakeDialogs::Shown &box) {
    if (box.title == QStringLiteral("Zahlfange") && box.buttons == Dialogs::Buttons::YesNo) {
        // The game's timer runs on behind its end question, and may even catch the last digit.
        for (int ticks = roll(3); ticks > 0; --ticks) {
            run_->timer.fire();
        }
        return;
    }
    if (!expected_) {
        return;
    }
    TrainerWindow &w = *expected_->window;
    const Trainer &t = w.trainer();
    if (box.text == kFalsch && expected_->direct) {
        const auto &fields = t.lueckenModus() ? controls(w).gaps : controls(w).raster;
        for (const auto &[field, feld] : fields) {
            if (feld == expected_->feld && field->text() != expected_->ziffer) {
                boxProblem_ = QStringLiteral("the wrong digit is not shown while the box is open");
            }
        }
    }
    if (box.text == kRichtig && !t.lueckenModus()) {
        const QString row = t.mehrfachModus() ? t.liste2().value(3) : t.liste1().value(2);
        const QString entered = t.zelle(10) + t.zelle(11) + t.zelle(12) + t.zelle(13);
        if (zahlWert(entered) != wert(row)) {
            boxProblem_ = QStringLiteral("task called solved with %1 for %2").arg(entered, row);
        }
    }
}

void Pupil::expect(bool ok, const QString &what) {
    ++checks;
    if (!ok && failure.isEmpty()) {
        failure = QStringLiteral("seed %1, action %2 (%3): %4")
                      .arg(seed_)
                      .arg(actions)
                      .arg(action_, what);
    }
}

void Pupil::check(const Before &before) {
    const int shown = run_->shownMainWindows();
    expect(shown == 1, QStringLiteral("%1 of start window, trainers and games shown").arg(shown));
    expect(boxProblem_.isEmpty(), boxProblem_);
    expect(qtWarnings.isEmpty(), QStringLiteral("Qt warns: %1").arg(qtWarnings.join(u'|')));
    qtWarnings.clear();

    const FakeDialogs &dialogs = run_->fakes.dialogs;
    int errorBoxes = 0;
    for (const FakeDialogs::Shown &box : dialogs.shown) {
        errorBoxes += box.text == kFalsch ? 1 : 0;
        if (box.text == kRichtig || box.title == QStringLiteral("Lückenaufgabe")) {
            ++tasksSolved;
        }
        if (box.text == QStringLiteral("  Das Spiel ist beendet!") ||
            box.text == QStringLiteral("Prima, du hast es geschafft!\r")) {
            ++gamesWon;
        }
    }
    expect(errorBoxes == (expected_ && !expected_->right ? 1 : 0),
           QStringLiteral("%1 error boxes").arg(errorBoxes));

    for (TrainerWindow *w : trainers()) {
        const auto found = before.trainers.find(w);
        const bool existed = found != before.trainers.end();
        checkTrainer(*w, existed ? found->second : TrainerState{}, existed,
                     existed && before.visible.at(w));
    }
    checkGames();

    // Printer and clipboard are touched only by their own buttons, the printer only past the lock.
    const FakePrinter &printer = run_->fakes.printer;
    const FakeClipboard &clipboard = run_->fakes.clipboard;
    expect(printer.documents.isEmpty() || kind_ == Kind::Print,
           QStringLiteral("printed without a print button"));
    expect(clipboard.texts.isEmpty() || kind_ == Kind::Copy,
           QStringLiteral("clipboard used without the copy button"));
    if (!printer.documents.isEmpty()) {
        ++printed;
        const bool locked = run_->windows.druckmodusDeaktiviert();
        expect(!locked || typedPassword_ == shownPoints_,
               QStringLiteral("printed past the lock with password of %1 characters")
                   .arg(typedPassword_.size()));
    }
    copied += clipboard.texts.size();
}

void Pupil::checkTrainer(TrainerWindow &w, const TrainerState &before, bool existedBefore,
                         bool visibleBefore) {
    const Trainer &t = w.trainer();
    const TrainerState now = stateOf(t);
    const auto m = static_cast<std::size_t>(t.modul());
    const QString name = w.objectName();
    expect(now.punkte == right_[m] && now.fehler == wrong_[m],
           QStringLiteral("%1 counts %2 right, %3 wrong; judged %4 right, %5 wrong (%6)")
               .arg(name)
               .arg(now.punkte)
               .arg(now.fehler)
               .arg(right_[m])
               .arg(wrong_[m])
               .arg(expected_ ? QStringLiteral("%1 on %2 %3 %4")
                                    .arg(expected_->ziffer, expected_->feld.art == Feld::Art::Raster
                                                                ? QStringLiteral("Bezeichnung")
                                                                : QStringLiteral("luecke"))
                                    .arg(expected_->feld.nummer)
                                    .arg(expected_->right ? QStringLiteral("right")
                                                          : QStringLiteral("wrong"))
                              : QStringLiteral("no judgement")));
    const TrainerControls &k = controls(w);
    expect(k.punkte->text() == QString::number(now.punkte) &&
               k.fehler->text() == QString::number(now.fehler),
           QStringLiteral("%1 shows other counters than it keeps").arg(name));
    if (existedBefore && !visibleBefore && !w.isVisible()) {
        expect(now == before, QStringLiteral("hidden %1 changed").arg(name));
        return;
    }
    if (!w.isVisible()) {
        return;
    }
    if (existedBefore && before.punkte / 50 < now.punkte / 50) {
        expect(now.zahlfange,
               QStringLiteral("%1 point %2 without offer").arg(name).arg(now.punkte));
    }
    expect(k.zahlfangeOffer->isVisible() == now.zahlfange &&
               k.memoryOffer->isVisible() == now.memory,
           QStringLiteral("%1 offers shown other than kept").arg(name));
    checkRecords(t);
    checkFields(w, existedBefore ? before : now, now);
}

void Pupil::checkRecords(const Trainer &t) {
    const QStringList &l1 = t.liste1();
    const QStringList &l2 = t.liste2();
    auto zeilen = [](const QStringList &rows) {
        for (const QString &row : rows) {
            if (row.size() != 4) {
                return false;
            }
        }
        return true;
    };
    const bool addition = t.rechenart() == Rechenart::Addition;
    if (t.lueckenModus()) {
        expect(l2.size() == 4 && zeilen({l2.value(0), l2.value(1), l2.value(3)}),
               QStringLiteral("gap record malformed"));
        const int a = wert(l2.value(0));
        const int b = wert(l2.value(1));
        const int sum = wert(l2.value(3));
        expect(sum == a + b && l2.value(3) == zahlenzeile(a + b),
               QStringLiteral("gap record %1 + %2 = %3").arg(a).arg(b).arg(sum));
        expect(carriesAgree(l2.value(2), {a, b}, sum),
               QStringLiteral("gap carries %1 for %2 + %3").arg(l2.value(2)).arg(a).arg(b));
        expect(addition || sum <= 999, QStringLiteral("subtraction gap sum %1").arg(sum));
        expect(t.tausenderLueckeSichtbar() == (addition && sum >= 1000),
               QStringLiteral("gap thousands shown wrongly for %1").arg(sum));
        return;
    }
    expect(l1.size() == 3 && l2.size() == 4 && zeilen(l1) && zeilen(l2),
           QStringLiteral("column record malformed"));
    const int a = wert(l1.value(0));
    const int b = wert(l1.value(1));
    const int c = wert(l2.value(0));
    const int r1 = addition ? a + b : a - b;
    const int r2 = addition ? c + a + b : c - a - b;
    expect(l2.value(1) == l1.value(0) && l2.value(2) == l1.value(1) &&
               l1.value(2) == zahlenzeile(r1) && l2.value(3) == zahlenzeile(r2),
           QStringLiteral("column record %1 | %2").arg(l1.join(u','), l2.join(u',')));
    const int result = t.mehrfachModus() ? r2 : r1;
    expect(addition || result >= 10, QStringLiteral("difference %1 below 10").arg(result));
    if (addition) {
        expect(carriesAgree(t.behalte1(), {a, b}, r1) && carriesAgree(t.behalte2(), {c, a, b}, r2),
               QStringLiteral("carries %1 %2").arg(t.behalte1(), t.behalte2()));
    } else {
        expect(carriesAgree(t.behalte1(), {b, r1}, a) &&
                   (r2 < 0 || carriesAgree(t.behalte2(), {a, b, r2}, c)),
               QStringLiteral("carries %1 %2").arg(t.behalte1(), t.behalte2()));
    }
    expect(t.tausenderSichtbar() == (addition && result >= 1000),
           QStringLiteral("thousands shown wrongly for %1").arg(result));
    const QString operanden[] = {zahlenzeile(a), zahlenzeile(b), zahlenzeile(c)};
    const int zellen[3][3] = {{1, 2, 3}, {4, 5, 6}, {19, 18, 17}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            expect(t.zelle(zellen[row][col]) == QString(zeichen(operanden[row], col + 2)),
                   QStringLiteral("operand cell %1").arg(zellen[row][col]));
        }
    }
}

void Pupil::checkFields(TrainerWindow &w, const TrainerState &before, const TrainerState &now) {
    const Trainer &t = w.trainer();
    const TrainerControls &k = controls(w);
    const bool luecke = now.luecken;
    const auto &fields = luecke ? k.gaps : k.raster;
    const bool sameTask = before.sameTask(now) && before.luecken == now.luecken;
    for (const auto &[field, feld] : fields) {
        const QString text = now.text(feld);
        expect(
            field->text() == text,
            QStringLiteral("%1 shows %2, keeps %3").arg(field->objectName(), field->text(), text));
        const bool gapCarry = luecke && feld.nummer >= 7 && feld.nummer <= 9;
        const bool rasterCarry = !luecke && feld.nummer <= 9;
        // A result or gap field holds nothing or its recorded digit.
        if (!rasterCarry) {
            expect(text.isEmpty() || text == QString(t.erwarteteZiffer(feld)) ||
                       (gapCarry && text == QStringLiteral(" ")),
                   QStringLiteral("%1 holds %2, the record says %3")
                       .arg(field->objectName(), text, QString(t.erwarteteZiffer(feld))));
        }
        if (!sameTask) {
            continue;
        }
        // Within a task a field gains a digit only by a right judgement on it, and loses one
        // only by a wrong drop on it.
        const QString was = before.text(feld);
        const bool judgedHere = expected_ && expected_->window == &w && expected_->feld == feld;
        if (text != was && !text.isEmpty()) {
            expect(judgedHere && expected_->right && expected_->ziffer == text,
                   QStringLiteral("%1 gained %2 without a right judgement")
                       .arg(field->objectName(), text));
        }
        if (text != was && text.isEmpty()) {
            expect(judgedHere && !expected_->right && expected_->direct,
                   QStringLiteral("%1 lost %2").arg(field->objectName(), was));
        }
        if (judgedHere && expected_->right) {
            expect(text == expected_->ziffer, QStringLiteral("right %1 did not stay in %2")
                                                  .arg(expected_->ziffer, field->objectName()));
        }
    }
    if (!sameTask && !luecke) {
        for (int n = 7; n <= 13; ++n) {
            expect(now.zellen.at(static_cast<std::size_t>(n)).isEmpty(),
                   QStringLiteral("new task keeps Bezeichnung%1").arg(n));
        }
    }
    // A task never stands solved: the next one follows at once.
    // Judged by the arithmetic of what stands on screen: rows read as numbers, highest place first.
    const auto zeile = [](std::initializer_list<int> nummern, const auto &text) {
        QString row;
        for (int n : nummern) {
            row += text(n);
        }
        return row;
    };
    if (luecke) {
        // Full rows (an empty field is a gap) that add up: a + b = sum.
        const auto gap = [&t](int k) { return t.luecke(k); };
        const QString a = zeile({3, 2, 1}, gap);
        const QString b = zeile({6, 5, 4}, gap);
        const QString summe = zeile({13, 12, 11, 10}, gap);
        const bool voll = a.size() == 3 && b.size() == 3 && summe.size() == 4;
        expect(!voll || zahlWert(a) + zahlWert(b) != zahlWert(summe),
               QStringLiteral("solved gap task still shown"));
    } else {
        // The result cells hold what the operand cells give: a + b (+ c), a - b or c - a - b.
        const auto zelle = [&t](int n) { return t.zelle(n); };
        const int a = zahlWert(zeile({1, 2, 3}, zelle));
        const int b = zahlWert(zeile({4, 5, 6}, zelle));
        const int c = zahlWert(zeile({19, 18, 17}, zelle));
        const int soll = now.art == Rechenart::Addition ? a + b + (now.mehrfach ? c : 0)
                                                        : (now.mehrfach ? c - a - b : a - b);
        expect(zahlWert(zeile({10, 11, 12, 13}, zelle)) != soll,
               QStringLiteral("solved column task still shown"));
    }
    // The key symbol lies on an empty selected field and expects that field's recorded digit.
    const std::optional<Feld> auswahl = t.auswahl();
    KeySymbol *symbol = nullptr;
    if (auswahl) {
        expect(t.erreichbar(*auswahl) && now.text(*auswahl).isEmpty() &&
                   now.tastenzahl == QString(t.erwarteteZiffer(*auswahl)),
               QStringLiteral("selection of field code %1 with %2")
                   .arg(now.tastenwert)
                   .arg(now.tastenzahl));
        symbol = auswahl->art == Feld::Art::Raster ? k.tasten : k.ltasten;
        const auto &pool = auswahl->art == Feld::Art::Raster ? k.raster : k.gaps;
        for (const auto &[field, feld] : pool) {
            if (feld == *auswahl) {
                expect(symbol->isVisibleTo(&w) && symbol->pos() == field->pos(),
                       QStringLiteral("key symbol not on %1").arg(field->objectName()));
            }
        }
    }
    for (KeySymbol *other : {k.tasten, k.ltasten}) {
        if (other != symbol) {
            expect(!other->isVisibleTo(&w), QStringLiteral("key symbol shown without selection"));
        }
    }
}

void Pupil::checkGames() {
    if (NumberCatchWindow *game = run_->windows.numberCatch()) {
        const NumberCatchState &m = run_->windows.numberCatchState();
        const auto n = m.restZiffern.size();
        expect(n <= 10 && QStringLiteral("0123456789").endsWith(m.restZiffern),
               QStringLiteral("digits left: %1").arg(m.restZiffern));
        for (qsizetype i = 1; i <= n; ++i) {
            expect(m.zifferX.at(i) >= 1 && m.zifferX.at(i) <= 24 && m.zifferY.at(i) >= 3 &&
                       m.zifferY.at(i) <= 16,
                   QStringLiteral("digit %1 off the field").arg(i));
            for (qsizetype j = 1; j < i; ++j) {
                expect(m.zifferX.at(i) != m.zifferX.at(j) && m.zifferY.at(i) != m.zifferY.at(j),
                       QStringLiteral("digits %1 and %2 share a column or row").arg(j).arg(i));
            }
        }
        expect(m.spielerX >= 1 && m.spielerX <= 24 && m.spielerY >= 3 && m.spielerY <= 16,
               QStringLiteral("player off the field"));
        expect(run_->timer.isEnabled() == game->isVisible(),
               QStringLiteral("game timer runs %1 while the game is %2")
                   .arg(run_->timer.isEnabled() ? QStringLiteral("on") : QStringLiteral("off"),
                        game->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")));
        if (game->isVisible()) {
            const auto *bar = named<QScrollBar>(game, QStringLiteral("HBildlauf1"));
            expect(run_->timer.interval() == bar->value() * 1000,
                   QStringLiteral("timer interval %1 at speed %2")
                       .arg(run_->timer.interval())
                       .arg(bar->value()));
        }
    }
    if (MemoryWindow *window = run_->windows.memory()) {
        const Memory &board = window->spiel();
        if (board.gemischt()) {
            QString sorted = board.kartenFolge();
            std::sort(sorted.begin(), sorted.end());
            expect(sorted == QStringLiteral("112233445566778899"),
                   QStringLiteral("deal %1").arg(board.kartenFolge()));
            const int a = board.ersteKarte();
            const int b = board.zweiteKarte();
            expect(a >= 0 && a <= 18 && b >= 0 && b <= 18 && (b == 0 || (a > 0 && a != b)),
                   QStringLiteral("open cards %1 and %2").arg(a).arg(b));
            for (int k = 1; k <= Memory::kKartenAnzahl; ++k) {
                for (int j = 1; j <= Memory::kKartenAnzahl; ++j) {
                    if (j != k && board.kartenFolge().at(j - 1) == board.kartenFolge().at(k - 1)) {
                        expect(board.istGefunden(j) == board.istGefunden(k),
                               QStringLiteral("card %1 found without its partner").arg(k));
                    }
                }
                expect(!board.istGefunden(k) || (k != a && k != b),
                       QStringLiteral("found card %1 is open as a try").arg(k));
            }
        }
        for (int k = 1; k <= Memory::kKartenAnzahl; ++k) {
            const auto *card = named<QLabel>(window, QStringLiteral("Bezeichnung%1").arg(k));
            expect(card->text() == (board.istOffen(k) ? board.kartenText(k) : QString()),
                   QStringLiteral("card %1 shows %2").arg(k).arg(card->text()));
        }
    }
}

} // namespace

class TestLongSession : public QObject {
    Q_OBJECT

    std::uint64_t seed_ = 0;
    long actions_ = 0;

private Q_SLOTS:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        previousHandler = qInstallMessageHandler(collectWarnings);
        const auto clock =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        seed_ = environmentNumber("SR_LONGSESSION_SEED", clock % 1000000007ULL);
        actions_ = static_cast<long>(environmentNumber("SR_LONGSESSION_ACTIONS", 1500));
        qInfo("long session: seed %llu (SR_LONGSESSION_SEED), %ld actions per trainer window "
              "(SR_LONGSESSION_ACTIONS)",
              static_cast<unsigned long long>(seed_), actions_);
    }

    void pupilsNeverBringTheProgramIntoAWrongState_data() {
        QTest::addColumn<Modul>("modul");
        QTest::newRow("addition") << Modul::Addition;
        QTest::newRow("subtraction") << Modul::Subtraktion;
        QTest::newRow("mixed") << Modul::Gemischt;
    }
    void pupilsNeverBringTheProgramIntoAWrongState() {
        QFETCH(Modul, modul);
        const std::uint64_t seed = seed_ + static_cast<std::uint64_t>(modul);
        Pupil pupil(seed, modul);
        QElapsedTimer clock;
        clock.start();
        pupil.play(actions_);
        const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

        QString windows;
        for (const auto &[name, count] : pupil.actionsPerWindow) {
            windows += QStringLiteral(" %1=%2").arg(name).arg(count);
        }
        qInfo("seed %llu: %ld actions in %.1f s (%s), %ld checks",
              static_cast<unsigned long long>(seed), pupil.actions, seconds,
              qPrintable(windows.trimmed()), pupil.checks);
        qInfo("  judged %ld right, %ld wrong; %ld tasks solved, %ld offers taken, %ld games won, "
              "%ld sheets printed, %ld copied, %ld restarts",
              pupil.judgedRight, pupil.judgedWrong, pupil.tasksSolved, pupil.offersTaken,
              pupil.gamesWon, pupil.printed, pupil.copied, pupil.restarts);
        qInfo("  resident memory: %ld kB at start, %ld kB after warm-up, %ld kB at the end, %ld kB "
              "with the program closed",
              pupil.atStart.residentKb, pupil.warm.residentKb, pupil.atEnd.residentKb,
              pupil.residentAfterwards);
        QVERIFY2(pupil.failure.isEmpty(), qPrintable(pupil.failure));
        QVERIFY(pupil.judgedRight > 0 && pupil.judgedWrong > 0);
#ifndef __SANITIZE_ADDRESS__
        // AddressSanitizer keeps freed memory in quarantine and counts no heap; there its leak
        // checker decides. A short session compares halves with different windows shown since
        // the last restart.
        qInfo("  with Qt's pixmap cache emptied: resident %ld / %ld / %ld kB; heap in use %ld kB "
              "at start, peaks %ld kB in the first and %ld kB in the second half",
              pupil.atStart.settledKb, pupil.warm.settledKb, pupil.atEnd.settledKb,
              pupil.atStart.heapKb, pupil.heapPeakFirstHalf, pupil.heapPeakSecondHalf);
        if (actions_ >= kHeapCheckedFrom) {
            QVERIFY2(pupil.heapPeakSecondHalf - pupil.heapPeakFirstHalf <= kHeapGrowthLimitKb,
                     qPrintable(QStringLiteral("heap in use grew by %1 kB")
                                    .arg(pupil.heapPeakSecondHalf - pupil.heapPeakFirstHalf)));
        }
#endif
    }
};

QTEST_MAIN(TestLongSession)
#include "test_longsession.moc"
