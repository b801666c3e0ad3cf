#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/Places.h"
#include "app/Settings.h"
#include "engine/Engine.h"
#include "ui/CardWidget.h"
#include "ui/Fonts.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/ShapeWidget.h"
#include "ui/SpriteWidget.h"
#include "ui/WindowActivation.h"

namespace {

// Ends the process at once: nothing is saved, no handler runs after it.
void EndProcessNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

std::function<void()> exitHook = EndProcessNow;
std::function<void(MainWindow&)> settingsCommand;
std::function<void(MainWindow&)> aboutCommand;
std::function<void(MainWindow&)> versusResultCommand;
std::function<void(MainWindow&)> soloResultCommand;

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 420;

const QColor kTableGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
// The seat boxes: red for the seat on turn, dark red for the others.
const QColor kOnTurn(255, 0, 0);
const QColor kOffTurn(128, 0, 0);

// The panels' own left edge: a name that needs more room than its box grows
// to the left, but never over the character picture.
constexpr int kNameLeftLimit = 80;

// Geometry of the seat panels, seat 0..3.
const QRect kBoxRects[4] = {
    {4, 4, 159, 100}, {4, 108, 159, 100}, {4, 212, 159, 100}, {4, 316, 159, 99}};
const QPoint kCharPos[4] = {{8, 4}, {8, 108}, {8, 212}, {8, 320}};
const QRect kNameRects[4] = {
    {111, 8, 42, 19}, {109, 116, 46, 19}, {100, 216, 54, 19}, {76, 320, 83, 19}};
const int kLineY[4] = {36, 144, 248, 352};
const QPoint kGotCardPos[4] = {{88, 64}, {84, 168}, {84, 272}, {84, 376}};
const QPoint kCap2Pos[4] = {{116, 76}, {112, 180}, {112, 284}, {112, 388}};
const QRect kBalloonRects[4] = {
    {72, 0, 101, 61}, {68, 104, 101, 61}, {68, 208, 101, 61}, {64, 312, 101, 61}};
const QPoint kBalloonTextPos[4] = {{88, 8}, {84, 112}, {84, 216}, {80, 320}};
QRect CountRect(int seat) { return {128, 76 + 104 * seat, 32, 21}; }

const QRect kTimeCapRect(8, 116, 80, 16);
const QRect kTimeRect(88, 116, 32, 16);
const QRect kCntCapRect(40, 136, 48, 16);
const QRect kCntRect(88, 136, 40, 16);

// The template card of the layout waits on the deal pile, so that in the
// first game the second half of the deck appears there.
const QRect kTemplateCardRect(kPileLeft, kPileTop, kCardWidth, kCardHeight);

// The layout gives font sizes in points on a 96-pixel-per-inch table; the
// boxes are in pixels, so the text is sized in pixels too and fits the same
// boxes on any screen.
QFont LayoutFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QString NameOf(CharacterKind kind) {
    switch (kind) {
        case CharacterKind::You:
            return QStringLiteral("You");
        case CharacterKind::Swallow:
            return QStringLiteral("Swallow");
        case CharacterKind::Wolf:
            return QStringLiteral("Wolf");
        case CharacterKind::Tiger:
            return QStringLiteral("Tiger");
        case CharacterKind::Empty:
            break;
    }
    return QString();
}

int TextWidth(const QLabel* label, const QString& text) {
    return QFontMetrics(label->font()).horizontalAdvance(text) + 1;
}

// A value label keeps its left edge and widens to the right when its text needs more room.
void FitGrowingRight(QLabel* label, const QRect& box, const QString& text) {
    label->setText(text);
    label->setGeometry(box.left(), box.top(), std::max(box.width(), TextWidth(label, text)),
                       box.height());
}

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }
Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    InstallFontSubstitutions();
    PictureStore::Load();
    CardWidget::SetCardBackSource(&game.cardBack);

    setWindowTitle(QStringLiteral("トマベル"));
    setWindowIcon(PictureStore::ProgramIcon());
    BuildMenus();
    BuildTable();

    timTimer_.setInterval(1000);
    connect(&timTimer_, &QTimer::timeout, this, [] { SecondTick(); });
    qApp->installEventFilter(this);  // for the input block while a card turns

    FitClientArea();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------------------
// Menus

void MainWindow::BuildMenus() {
    auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("ゲーム"));
    mGAmeStart_ = item(gameMenu, "mGAmeStart", QStringLiteral("開始"));
    mGameQuite_ = item(gameMenu, "mGameQuite", QStringLiteral("このゲームやめ"));
    mGameQuite_->setEnabled(false);
    gameMenu->addSeparator();
    mGameExit_ = item(gameMenu, "mGameExit", QStringLiteral("このアプリケーションを終了する"));

    QMenu* setMenu = menuBar()->addMenu(QStringLiteral("設定"));
    mSetSet_ = item(setMenu, "mSetSet", QStringLiteral("設定"));
    setMenu->addSeparator();
    mSetFloat_ = item(setMenu, "mSetFloat", QStringLiteral("常に手前に表示"));
    mSetFloat_->setCheckable(true);
    mSetSound_ = item(setMenu, "mSetSound", QStringLiteral("音を出さない"));
    mSetSound_->setCheckable(true);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    mHelpHelp_ = item(helpMenu, "mHelpHelp", QStringLiteral("ヘルプ"));
    helpMenu->addSeparator();
    mHelpAbout_ = item(helpMenu, "mHelpAbout", QStringLiteral("このアプリケーションについて"));

    connect(mGAmeStart_, &QAction::triggered, this, [] { StartCommand(); });
    connect(mGameQuite_, &QAction::triggered, this, [] { QuitCommand(); });
    connect(mGameExit_, &QAction::triggered, this, [this] { close(); });
    connect(mSetSet_, &QAction::triggered, this, [this] {
        if (settingsCommand) SuspendTopMost([this] { settingsCommand(*this); });
    });
    // A check item has already flipped its mark when it is triggered: the
    // mark is the new state.
    connect(mSetFloat_, &QAction::triggered, this, [this](bool checked) { ApplyTopMost(checked); });
    connect(mSetSound_, &QAction::triggered, this,
            [](bool checked) { glNoSound = checked ? -1 : 0; });
    connect(mHelpHelp_, &QAction::triggered, this, [this] { HelpCommand(); });
    connect(mHelpAbout_, &QAction::triggered, this, [this] {
        if (aboutCommand) SuspendTopMost([this] { aboutCommand(*this); });
    });
}

void MainWindow::SetTopMost() {
    mSetFloat_->setChecked(!mSetFloat_->isChecked());
    ApplyTopMost(mSetFloat_->isChecked());
}

void MainWindow::SetNoSound() {
    mSetSound_->setChecked(!mSetSound_->isChecked());
    glNoSound = mSetSound_->isChecked() ? -1 : 0;
}

bool MainWindow::TopMostChecked() const { return mSetFloat_->isChecked(); }
bool MainWindow::NoSoundChecked() const { return mSetSound_->isChecked(); }

// The mark always tells the state, so bringing the mark in line goes through the command.
void MainWindow::SetTopMostChecked(bool checked) {
    if (checked != TopMostChecked()) SetTopMost();
}

void MainWindow::SetNoSoundChecked(bool checked) {
    if (checked != NoSoundChecked()) SetNoSound();
}

void MainWindow::ApplyTopMost(bool topMost) {
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, topMost);
    if (flags == windowFlags()) return;
    if (QWindow* window = windowHandle()) {
        // A shown window changes its level in place: it stays where it is and
        // a running game is not disturbed.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        const QPoint where = pos();
        setWindowFlags(flags);
        move(where);
    }
}

void MainWindow::SuspendTopMost(const std::function<void()>& showModal) {
    if (!TopMostChecked()) return showModal();
    // Lifted while the modal window is up, so that it can come in front.
    ApplyTopMost(false);
    showModal();
    ApplyTopMost(true);
}

void MainWindow::BringForward(const std::string& launcherToken) {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    // A dialog or message box open over the table stays in front of it and keeps the focus.
    QWidget* front = QApplication::activeModalWidget();
    if (front && front != this) front->raise();
    ActivateAtPlayersRequest(front ? *front : *this, launcherToken);
}

void MainWindow::HelpCommand() {
    // The help text is looked for where the player started the game from
    // first, then beside the game and where it was installed.
    const std::string file = FindHelpFile();
    if (!file.empty() &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file))))
        return;
    // A missing file and a viewer that cannot start get the same answer.
    MessageBoxes::Inform(this, QStringLiteral("ヘルプファイルがありません。"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MessageBoxes::AskYesNo(this, QStringLiteral("やめる？？"))) {
        event->ignore();
        return;
    }
    game.phase = GamePhase::Exiting;

    // The farewell banner sits just above the table, centred on the window.
    LoadBanner(0);
    const Size banner = BannerSize();
    MoveBanner((WindowOuterWidth() - banner.width) / 2, -banner.height);
    RaiseBanner();
    SetBannerVisible(true);

    for (int i = 1; i <= kCardCount; ++i) {
        CardWidget* card = cards_[i];
        if (!card) continue;
        card->setEnabled(false);
        card->hide();
        cards_[i] = nullptr;
        // Deleted once control is back in the event loop: the card's own
        // mouse handler may be the one that led here.
        card->deleteLater();
    }
    event->accept();
    exitHook();
}

void MainWindow::SetExitHook(std::function<void()> hook) {
    exitHook = hook ? std::move(hook) : std::function<void()>(EndProcessNow);
}
void MainWindow::SetSettingsCommand(std::function<void(MainWindow&)> command) {
    settingsCommand = std::move(command);
}
void MainWindow::SetAboutCommand(std::function<void(MainWindow&)> command) {
    aboutCommand = std::move(command);
}
void MainWindow::SetVersusResultCommand(std::function<void(MainWindow&)> command) {
    versusResultCommand = std::move(command);
}
void MainWindow::SetSoloResultCommand(std::function<void(MainWindow&)> command) {
    soloResultCommand = std::move(command);
}

// ---------------------------------------------------------------------------
// The table

void MainWindow::BuildTable() {
    table_ = new QWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setAutoFillBackground(true);
    QPalette green = table_->palette();
    green.setColor(QPalette::Window, kTableGreen);
    table_->setPalette(green);
    table_->setFixedSize(kClientWidth, kClientHeight);
    table_->setMouseTracking(true);
    table_->installEventFilter(this);
    table_->setCursor(PictureStore::Cursor(0));
    setCentralWidget(table_);

    auto label = [this](const QRect& rect, const QFont& font, const QColor& colour) {
        auto* l = new QLabel(table_);
        l->setGeometry(rect);
        l->setFont(font);
        if (colour.isValid()) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, colour);
            l->setPalette(p);
        }
        l->hide();
        return l;
    };

    // Widgets made later lie on top of those made earlier: the panel's boxes
    // and lines first, then its texts and balloons, the hand marker, the
    // pictures, the cards, and the banner over everything.
    const QFont nameFont = LayoutFont(kRoundGothic, 14.25, true);
    const QFont capFont = LayoutFont(kRoundGothic, 12);
    const QFont countFont = LayoutFont(kRoundGothic, 15.75);
    const QFont balloonFont = LayoutFont(kRoundGothic, 9);
    const QFont soloFont = LayoutFont(kMincho, 12);

    for (int i = 0; i < kSeats; ++i) {
        boxes_[i] = new ShapeWidget(ShapeWidget::Kind::RoundedRect, table_);
        boxes_[i]->setGeometry(kBoxRects[i]);
        boxes_[i]->SetBorder(kYellow);
        boxes_[i]->SetFill(kOffTurn);
        boxes_[i]->hide();
    }
    for (int i = 0; i < kSeats; ++i) {
        lines_[i] = new ShapeWidget(ShapeWidget::Kind::HorizontalLine, table_);
        lines_[i]->setGeometry(84, kLineY[i], 156 - 84, 1);
        lines_[i]->SetBorder(kYellow);
        lines_[i]->hide();
    }
    for (int i = 0; i < kSeats; ++i) {
        names_[i] = label(kNameRects[i], nameFont, kYellow);
        names_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        caps_[i] = label(QRect(kCap2Pos[i], QSize(9, 16)), capFont, kYellow);
        caps_[i]->setText(QStringLiteral("x"));
        counts_[i] = label(CountRect(i), countFont, kYellow);
    }
    for (int i = 0; i < kSeats; ++i) {
        balloons_[i] = new ShapeWidget(ShapeWidget::Kind::RoundedRect, table_);
        balloons_[i]->setGeometry(kBalloonRects[i]);
        balloons_[i]->SetFill(palette().color(QPalette::Base));
        balloons_[i]->SetBorder(palette().color(QPalette::Text));
        balloons_[i]->hide();
        balloonTexts_[i] = label(QRect(kBalloonTextPos[i], QSize(76, 44)), balloonFont, QColor());
        balloonTexts_[i]->setWordWrap(true);
        balloonTexts_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    lblTimeCap_ = label(kTimeCapRect, soloFont, kYellow);
    lblTimeCap_->setText(QStringLiteral("経過時間："));
    lblTime_ = label(kTimeRect, soloFont, kYellow);
    lblCntCap_ = label(kCntCapRect, soloFont, kYellow);
    lblCntCap_->setText(QStringLiteral("手数："));
    lblCnt_ = label(kCntRect, soloFont, kYellow);

    hand_ = new ShapeWidget(ShapeWidget::Kind::HatchedRoundedRect, table_);
    hand_->setGeometry(165, 1, 57, 77);
    hand_->SetBorder(kYellow);
    hand_->hide();

    for (int i = 0; i < kSeats; ++i) {
        gotCards_[i] = new CardWidget(table_);
        gotCards_[i]->setGeometry(QRect(kGotCardPos[i], QSize(25, 33)));
        gotCards_[i]->hide();
        chars_[i] = new SpriteWidget(table_);
        chars_[i]->setGeometry(QRect(kCharPos[i], QSize(71, 96)));
        chars_[i]->hide();
    }

    cards_[0] = new CardWidget(table_);
    cards_[0]->setGeometry(kTemplateCardRect);
    cards_[0]->hide();

    banner_ = new SpriteWidget(table_);
    banner_->hide();

    // Moving over anything of the table that is not a card counts as moving
    // over the table: the texts and pictures pass the mouse on.
    for (QLabel* l : table_->findChildren<QLabel*>()) l->setMouseTracking(true);
    for (SpriteWidget* s : table_->findChildren<SpriteWidget*>()) s->setMouseTracking(true);
}

void MainWindow::CreateCardWidgets() {
    for (int i = 1; i < static_cast<int>(cards_.size()); ++i) {
        if (cards_[i]) continue;
        auto* card = new CardWidget(table_);
        card->setGeometry(QRect(cards_[0]->pos(), QSize(kCardWidth, kCardHeight)));
        card->SetPCard(i);
        card->hide();
        // A new card joins the deck on top of the older cards, below the banner.
        card->stackUnder(banner_);
        if (i <= kCardCount) {
            connect(card, &CardWidget::MouseDown, this,
                    [i](int, int, float, float) { CardMouseDown(i); });
            connect(card, &CardWidget::MouseMove, this,
                    [i](int, int, float, float) { CardMouseMove(i); });
        }
        cards_[i] = card;
    }
}

void MainWindow::FitClientArea() {
    table_->setFixedSize(kClientWidth, kClientHeight);
    const int menuHeight = menuBar()->heightForWidth(kClientWidth) > 0
                               ? menuBar()->heightForWidth(kClientWidth)
                               : menuBar()->sizeHint().height();
    setFixedSize(kClientWidth, menuHeight + kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

QWidget* MainWindow::Table() const { return table_; }

void MainWindow::SetTableCursor(int n) { table_->setCursor(PictureStore::Cursor(n)); }

bool MainWindow::BelongsHere(QObject* object) const {
    // The menus' pop-ups are windows of their own, so follow the parents, not the window.
    for (; object; object = object->parent())
        if (object == this) return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (inputBlocked_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
                // Lost, not queued: a click during a card turn does nothing.
                if (BelongsHere(watched)) return true;
                break;
            default:
                break;
        }
    }
    if (watched == table_ && event->type() == QEvent::MouseMove) WindowMouseMove();
    return QMainWindow::eventFilter(watched, event);
}

CardWidget* MainWindow::Card(int index) const {
    if (index < 0 || index >= static_cast<int>(cards_.size())) return nullptr;
    return cards_[static_cast<size_t>(index)];
}
CardWidget* MainWindow::GotCard(int seat) const { return gotCards_.at(seat); }
SpriteWidget* MainWindow::Character(int seat) const { return chars_.at(seat); }
SpriteWidget* MainWindow::Banner() const { return banner_; }
QLabel* MainWindow::NameLabel(int seat) const { return names_.at(seat); }
QLabel* MainWindow::CountLabel(int seat) const { return counts_.at(seat); }
QLabel* MainWindow::BalloonLabel(int seat) const { return balloonTexts_.at(seat); }
QLabel* MainWindow::TimeLabel() const { return lblTime_; }
QLabel* MainWindow::TurnCountLabel() const { return lblCnt_; }
ShapeWidget* MainWindow::SeatBox(int seat) const { return boxes_.at(seat); }
ShapeWidget* MainWindow::Hand() const { return hand_; }

// ---------------------------------------------------------------------------
// TableView: the cards (a card that is gone is left alone)

void MainWindow::SetCardVisible(int card, bool visible) {
    if (CardWidget* c = Card(card)) c->setVisible(visible);
}
bool MainWindow::CardVisible(int card) const {
    const CardWidget* c = Card(card);
    return c && !c->isHidden();
}
void MainWindow::SetCardFace(int card, bool face) {
    if (CardWidget* c = Card(card)) c->SetFace(face);
}
bool MainWindow::CardFace(int card) const {
    const CardWidget* c = Card(card);
    return c && c->Face();
}
void MainWindow::SetCardEnabled(int card, bool enabled) {
    if (CardWidget* c = Card(card)) c->setEnabled(enabled);
}
// The card's own switch, whatever the window around it is doing.
bool MainWindow::CardEnabled(int card) const {
    const CardWidget* c = Card(card);
    return c && c->isEnabledTo(table_);
}
void MainWindow::SetCardPicture(int card, int pictureNumber) {
    if (CardWidget* c = Card(card)) c->SetPCard(pictureNumber);
}
void MainWindow::MoveCard(int card, const Rect& rect) {
    if (CardWidget* c = Card(card)) c->setGeometry(ToQRect(rect));
}
Rect MainWindow::CardRect(int card) const {
    const CardWidget* c = Card(card);
    return c ? FromQRect(c->geometry()) : Rect{};
}
void MainWindow::RaiseCard(int card) {
    if (CardWidget* c = Card(card)) c->raise();
}
void MainWindow::DrawCard(int card) {
    if (CardWidget* c = Card(card)) c->DrawCard();
}
void MainWindow::DrawGotCards() {
    for (CardWidget* c : gotCards_) c->DrawCard();
}

// ---------------------------------------------------------------------------
// TableView: seat panels, balloons, hand marker, banner

void MainWindow::ShowSeatPanel(int seat, CharacterKind kind) {
    const QPixmap& picture = PictureStore::Picture(PicSet::picPlayer, static_cast<int>(kind));
    chars_[seat]->SetPicture(picture);
    chars_[seat]->SetMaskPicture(picture);
    chars_[seat]->show();

    // A name wider than its box grows to the left, up to the character picture;
    // if it still does not fit, its letters get smaller.
    QLabel* name = names_[seat];
    const QString text = NameOf(kind);
    const QRect box = kNameRects[seat];
    const int room = box.right() + 1 - std::min(box.left(), kNameLeftLimit);
    QFont font = LayoutFont(kRoundGothic, 14.25, true);
    name->setFont(font);
    while (TextWidth(name, text) > room && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        name->setFont(font);
    }
    const int width = std::max(box.width(), std::min(room, TextWidth(name, text)));
    name->setGeometry(box.right() + 1 - width, box.top(), width, box.height());
    name->setText(text);
    name->show();

    SetSeatCardCount(seat, "0");
    counts_[seat]->show();
    boxes_[seat]->SetFill(kOffTurn);
    boxes_[seat]->show();
    caps_[seat]->show();
    lines_[seat]->show();
    gotCards_[seat]->show();
}

void MainWindow::HideSeatPanel(int seat) {
    chars_[seat]->hide();
    gotCards_[seat]->hide();
    boxes_[seat]->hide();
    balloons_[seat]->hide();
    balloonTexts_[seat]->hide();
    caps_[seat]->hide();
    counts_[seat]->hide();
    names_[seat]->hide();
    lines_[seat]->hide();
}

void MainWindow::SetSeatOnTurn(int seat, bool onTurn) {
    boxes_[seat]->SetFill(onTurn ? kOnTurn : kOffTurn);
}

void MainWindow::SetSeatCardCount(int seat, const std::string& text) {
    FitGrowingRight(counts_[seat], CountRect(seat), QString::fromStdString(text));
}

Rect MainWindow::SeatCharacterRect(int seat) const { return FromQRect(chars_[seat]->geometry()); }

void MainWindow::ShowBalloon(int seat, const std::string& text) {
    balloonTexts_[seat]->setText(QString::fromStdString(text));
    balloons_[seat]->show();
    balloonTexts_[seat]->show();
}

void MainWindow::HideBalloon(int seat) {
    balloons_[seat]->hide();
    balloonTexts_[seat]->hide();
}

void MainWindow::MoveHand(int left, int top) { hand_->move(left, top); }
void MainWindow::SetHandVisible(bool visible) { hand_->setVisible(visible); }

void MainWindow::LoadBanner(int n) {
    const QPixmap& picture = PictureStore::Picture(PicSet::picMsgDat, n);
    banner_->SetPicture(picture);
    banner_->SetMaskPicture(picture);
    banner_->resize(picture.size());
}

Size MainWindow::BannerSize() const { return {banner_->width(), banner_->height()}; }
void MainWindow::MoveBanner(int left, int top) { banner_->move(left, top); }
void MainWindow::SetBannerVisible(bool visible) { banner_->setVisible(visible); }
void MainWindow::RaiseBanner() { banner_->raise(); }
int MainWindow::WindowOuterWidth() const { return frameGeometry().width(); }

// ---------------------------------------------------------------------------
// TableView: solitaire lines, menus, window, timer, modal windows

void MainWindow::SetSoloLabelsVisible(bool visible) {
    for (QLabel* l : {lblTimeCap_, lblTime_, lblCntCap_, lblCnt_}) l->setVisible(visible);
}

void MainWindow::SetTimeText(const std::string& text) {
    FitGrowingRight(lblTime_, kTimeRect, QString::fromStdString(text));
}

void MainWindow::SetCountText(const std::string& text) {
    FitGrowingRight(lblCnt_, kCntRect, QString::fromStdString(text));
}

void MainWindow::SetStartEnabled(bool enabled) { mGAmeStart_->setEnabled(enabled); }
void MainWindow::SetQuitEnabled(bool enabled) { mGameQuite_->setEnabled(enabled); }
void MainWindow::SetWindowEnabled(bool enabled) { inputBlocked_ = !enabled; }
void MainWindow::StartSecondTimer() { timTimer_.start(1000); }
void MainWindow::StopSecondTimer() { timTimer_.stop(); }

void MainWindow::ShowMessage(const std::string& text) {
    MessageBoxes::Inform(this, QString::fromStdString(text));
}

void MainWindow::ShowVersusResult() {
    if (versusResultCommand) versusResultCommand(*this);
}

void MainWindow::HandOverSoloResult() {
    if (soloResultCommand) soloResultCommand(*this);
}
