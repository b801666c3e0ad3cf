// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Notices: Qt 6.4 has no way of its own to hand a screen reader a sentence to
// say, and its AT-SPI bridge drops QAccessible::Alert and sends a renamed
// object's name change in a form Orca cannot read. So every notice is an
// object of its own with the notification role, named by what it says and
// shown once, which a screen reader presents as a notification (Orca speaks a
// notification when it is shown) without taking the focus away from the card
// the player is on. One object renamed for each notice would not do: a screen
// reader still busy with the last notice either drops the next as the same
// event again or reads the object after its name has changed once more.
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVariant>
#include <algorithm>

#include "engine/GameState.h"
#include "opponents/Characters.h"
#include "ui/CardWidget.h"
#include "ui/MainWindow.h"
#include "ui/ShapeWidget.h"
#include "ui/TableWidget.h"

namespace {

const char* const kNoticeName = "notice";
const char* const kNoticeText = "noticeText";
const char* const kStatusName = "tableStatus";

// Notices kept beside one widget: enough for a screen reader that has fallen
// a good way behind to find every one it has still to read.
constexpr qsizetype kKeptNotices = 40;
// What happens within this long of a first notice is said with it.
constexpr int kGatherMs = 250;
// How a screen reader's voice keeps pace with the notices (see SpeakingSeconds).
constexpr double kNotificationSeconds = 1.3;
constexpr double kLettersPerSecond = 9.5;
constexpr qint64 kSpeechSlackMs = 500;
// Whether a screen reader listens is asked again after this long.
constexpr qint64 kListenerAskMs = 10000;

bool OnTable(const GameState& game, int card) {
    if (card < 1 || card > kCardCount) return false;
    const BoardCard& c = game.cards[card];
    return game.CardAt({c.col, c.row}) == card;
}

QRect GlobalRect(const QWidget* widget) {
    if (!widget) return {};
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// A table card: a button named by its place and its side; pressing it turns
// it as a click on it would.
class CardAccessible : public QAccessibleWidget {
public:
    CardAccessible(CardWidget* card, TableWidget* table)
        : QAccessibleWidget(card, QAccessible::Button), table_(table) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* card = static_cast<const CardWidget*>(widget());
        return table_->Speaker()->CardName(card->Index(), card->pCard(), card->Face(),
                                           OnTable(table_->Game(), card->Index()));
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = table_->FramedCard() == Index();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        // Played once the screen reader's call has been answered, like a click
        // from the event queue; a card that is turning takes no press, as it
        // takes no click.
        QTimer::singleShot(0, table_, [table = table_, index = Index()] {
            const auto* window = qobject_cast<const MainWindow*>(table->window());
            if (window && window->InputBlocked()) return;
            emit table->cardClicked(index);
        });
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int Index() const { return static_cast<const CardWidget*>(widget())->Index(); }
    TableWidget* table_;
};

// A seat panel, named by its player, the cards taken and the turn.
class SeatAccessible : public QAccessibleWidget {
public:
    SeatAccessible(ShapeWidget* box, TableWidget* table, int seat)
        : QAccessibleWidget(box, QAccessible::Grouping), table_(table), seat_(seat) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return table_->Speaker()->SeatName(seat_);
    }
    // Always there, an empty seat too: a screen reader keeps what it once saw
    // of an object's states, and would never find a panel it first met hidden.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = false;
        s.offscreen = false;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

private:
    TableWidget* table_;
    int seat_;
};

// The table: its seat panels, the solitaire status line, the notice and the
// 54 cards. The texts, lines and pictures the panels are drawn with say
// nothing the panels do not say, so they are left out.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableWidget* table)
        : QAccessibleWidget(table, QAccessible::Pane), table_(table) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return TableSpeaker::tr("テーブル");
            case QAccessible::Description:
                return TableSpeaker::tr("矢印キーで裏向きの札を選び、スペースキーでめくります");
            default:
                return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return kSeats + 2 + kCardCount; }

    QAccessibleInterface* child(int index) const override {
        QObject* object = nullptr;
        if (index >= 0 && index < kSeats)
            object = table_->SeatBox(index);
        else if (index == kSeats)
            object = table_->Speaker()->Status();
        else if (index == kSeats + 1)
            object = table_->Speaker()->Notice();
        else if (index > kSeats + 1 && index < childCount())
            object = table_->Card(index - kSeats - 1);
        return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        for (int i = 0; i < childCount(); ++i) {
            const QAccessibleInterface* c = this->child(i);
            if (c && c->object() == child->object()) return i;
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        const int framed = table_->FramedCard();
        if (framed > 0 && table_->Card(framed))
            return QAccessible::queryAccessibleInterface(table_->Card(framed));
        return nullptr;
    }

private:
    TableWidget* table_;
};

// The status line: in solitaire the time and the turns, the two lines as one;
// against the computers the cards each player has taken. No widget of its own.
class TableObjectAccessible : public QAccessibleObject {
public:
    TableObjectAccessible(QObject* object, TableWidget* table, QAccessible::Role role)
        : QAccessibleObject(object), table_(table), role_(role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(table_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return role_; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QString();
        return table_->Speaker()->StatusText();
    }

    // Always there, so that a screen reader's "read the status bar" finds it
    // however early it first looked (it keeps what it once saw of an
    // object's states, and Qt tells it when an object comes into view but not
    // that it became visible); what it says follows the game instead.
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

    QRect rect() const override {
        if (table_->TurnCountLabel()->isHidden()) return GlobalRect(table_);
        return GlobalRect(table_->TimeLabel()).united(GlobalRect(table_->TurnCountLabel()));
    }

private:
    TableWidget* table_;
    QAccessible::Role role_;
};

// A notice: named by its text once and for all, beside the widget it was given at.
class NoticeAccessible : public QAccessibleObject {
public:
    explicit NoticeAccessible(QObject* notice) : QAccessibleObject(notice) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QString();
        return object()->property(kNoticeText).toString();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    QRect rect() const override { return {}; }
};

// The "O.K" of the result windows: a label that works as a button, pressed
// with Space as the keyboard presses it.
class OkAccessible : public QAccessibleWidget {
public:
    explicit OkAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override {
        if (action == setFocusAction()) return QAccessibleWidget::doAction(action);
        if (action != pressAction()) return;
        // The window closes on the press: it is posted, so that the screen
        // reader's call is answered first.
        QCoreApplication::postEvent(widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                            Qt::NoModifier, QStringLiteral(" ")));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object) return nullptr;
    if (className == QLatin1String("QObject") && object->objectName() == QLatin1String(kNoticeName))
        return new NoticeAccessible(object);
    if (className == QLatin1String("TableWidget"))
        return new TableAccessible(static_cast<TableWidget*>(object));
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("lblOK"))
        return new OkAccessible(static_cast<QLabel*>(object));
    auto* table = qobject_cast<TableWidget*>(object->parent());
    if (!table) return nullptr;
    if (className == QLatin1String("CardWidget")) {
        auto* card = static_cast<CardWidget*>(object);
        if (card->Index() >= 1 && card->Index() <= kCardCount && table->Card(card->Index()) == card)
            return new CardAccessible(card, table);
    } else if (className == QLatin1String("ShapeWidget")) {
        for (int seat = 0; seat < kSeats; ++seat)
            if (table->SeatBox(seat) == object)
                return new SeatAccessible(static_cast<ShapeWidget*>(object), table, seat);
    } else if (className == QLatin1String("QObject") && table->Speaker()) {
        if (object == table->Speaker()->Status())
            return new TableObjectAccessible(object, table, QAccessible::StatusBar);
    }
    return nullptr;
}

void Tell(QObject* object, QAccessible::Event what) {
    if (!object) return;
    QAccessibleEvent event(object, what);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void Accessibility::Install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void Accessibility::Forget(QObject* object) {
    if (!object) return;
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void Accessibility::FollowScreenReaders() {
    if (qEnvironmentVariable("NO_AT_BRIDGE") == QLatin1String("1")) return;
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

bool Accessibility::ScreenReaderListening() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    const QString service = QStringLiteral("org.a11y.Bus");
    // Asking a bus that is not there would have the session start it.
    if (!bus.interface()->isServiceRegistered(service)) return false;
    // A screen reader turns IsEnabled on as it starts; the desktop's own
    // screen-reader switch is ScreenReaderEnabled.
    for (const char* property : {"IsEnabled", "ScreenReaderEnabled"}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << QStringLiteral("org.a11y.Status") << QString::fromLatin1(property);
        const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
            reply.arguments().constFirst().value<QDBusVariant>().variant().toBool())
            return true;
    }
    return false;
}

QString Accessibility::Speakable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
            case u'(':
            case u')':
            case u'[':
            case u']':
            case u'{':
            case u'}':
            case u'`':
            case 0x2018:  // left single quotation mark
            case 0x201C:  // left and right double quotation marks
            case 0x201D:
            case 0x201E:
            case 0x00AB:  // guillemets
            case 0x00BB:
                break;
            case u':':
            case u';':
                out += QLatin1Char(',');
                break;
            case u'-':
            case u'_':
            case u'~':
            case u'|':
            case 0x2013:  // en and em dashes
            case 0x2014:
                out += QLatin1Char(' ');
                break;
            default:
                out += c;
        }
    }
    return out.simplified();
}

namespace {
// A notice object beside `near`, named `text`, not yet shown; the oldest
// beside it go once there are more than the screen reader can still want.
QObject* MakeNotice(QWidget* near, const QString& text) {
    Accessibility::Install();
    auto* notice = new QObject(near);
    notice->setObjectName(QLatin1String(kNoticeName));
    notice->setProperty(kNoticeText, text);
    const QList<QObject*> kept =
        near->findChildren<QObject*>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i + kKeptNotices < kept.size(); ++i) kept[i]->deleteLater();
    return notice;
}
}  // namespace

QObject* Accessibility::Announce(QWidget* near, const QString& text) {
    QObject* notice = MakeNotice(near, Speakable(text));
    Tell(notice, QAccessible::ObjectShow);
    return notice;
}

TableSpeaker::TableSpeaker(TableWidget* table)
    : QObject(table),
      table_(table),
      notice_(MakeNotice(table, tr("お知らせ"))),
      status_(new QObject(table)) {
    Accessibility::Install();
    status_->setObjectName(QLatin1String(kStatusName));
    clock_.start();
    gather_.setSingleShot(true);
    gather_.setInterval(kGatherMs);
    connect(&gather_, &QTimer::timeout, this, &TableSpeaker::Gathered);
}

// ---------------------------------------------------------------------------
// Names

QString TableSpeaker::FaceName(int picture) {
    if (picture >= 52) return tr("ジョーカー");
    static const char* const suits[] = {QT_TR_NOOP("クラブ"), QT_TR_NOOP("スペード"),
                                        QT_TR_NOOP("ダイヤ"), QT_TR_NOOP("ハート")};
    const int suit = std::clamp(picture / 13, 0, 3);
    const int rank = picture % 13 + 1;
    QString rankName;
    switch (rank) {
        case 1:
            rankName = tr("エース");
            break;
        case 11:
            rankName = tr("ジャック");
            break;
        case 12:
            rankName = tr("クイーン");
            break;
        case 13:
            rankName = tr("キング");
            break;
        default:
            rankName = QString::number(rank);
    }
    return tr("%1の%2").arg(tr(suits[suit]), rankName);
}

QString TableSpeaker::PairName(int picture) {
    if (picture >= 52) return tr("ジョーカーのペア");
    switch (picture % 13 + 1) {
        case 1:
            return tr("エースのペア");
        case 11:
            return tr("ジャックのペア");
        case 12:
            return tr("クイーンのペア");
        case 13:
            return tr("キングのペア");
        default:
            return tr("%1のペア").arg(picture % 13 + 1);
    }
}

QString TableSpeaker::PlaceName(int card) const {
    const BoardCard& c = table_->Game().cards[std::clamp(card, 0, kCardCount)];
    return tr("%1行 %2列").arg(c.row + 1).arg(c.col + 1);
}

QString TableSpeaker::CardName(int card, int picture, bool face, bool onTable) const {
    if (!onTable) return tr("取られた札 %1").arg(FaceName(picture));
    if (face)
        return tr("%1 %2", "a card's place, then its face").arg(PlaceName(card), FaceName(picture));
    return tr("%1 裏向き").arg(PlaceName(card));
}

QString TableSpeaker::PlayerName(int seat) const {
    const CharacterKind kind = table_->Game().seats[std::clamp(seat, 0, kSeats - 1)].kind;
    return QCoreApplication::translate("Characters", CharacterOf(kind).displayName);
}

QString TableSpeaker::SeatName(int seat) const {
    if (table_->SeatBox(seat)->isHidden()) return tr("空席");
    const int taken = table_->CountLabel(seat)->text().toInt();
    QString name = tr("%1、取った札 %n枚", nullptr, taken).arg(PlayerName(seat));
    if (OnTurn(seat)) name += tr("、手番");
    return name;
}

QString TableSpeaker::StatusText() const {
    if (table_->TurnCountLabel()->isHidden()) {
        QStringList seats;
        for (int seat = 0; seat < kSeats; ++seat)
            if (!table_->SeatBox(seat)->isHidden()) seats << SeatName(seat);
        if (!seats.isEmpty()) return seats.join(tr("。", "between notices said together as one"));
    }
    const QString time = table_->TimeLabel()->text();
    const QString turns = table_->TurnCountLabel()->text();
    return tr("経過時間 %1、手数 %2")
        .arg(time.isEmpty() ? QStringLiteral("0") : time,
             turns.isEmpty() ? QStringLiteral("0") : turns);
}

// ---------------------------------------------------------------------------
// What happens on the table

void TableSpeaker::Announce(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    lastNotice_ = text;
    gathering_ << text;
    if (!gather_.isActive()) gather_.start();
    emit announced(text);
}

void TableSpeaker::Gathered() {
    if (gathering_.isEmpty()) return;
    const QString text = gathering_.join(tr("。", "between notices said together as one"));
    notice_ = Accessibility::Announce(table_, text);
    gathering_.clear();

    // Whether anyone listens is asked now and then, not at every notice.
    const qint64 now = clock_.elapsed();
    if (listenerAskedMs_ < 0 || now - listenerAskedMs_ > kListenerAskMs) {
        listening_ = Accessibility::ScreenReaderListening();
        listenerAskedMs_ = now;
    }
    speechEndsMs_ = std::max(speechEndsMs_, now) +
                    static_cast<qint64>(SpeakingSeconds(Accessibility::Speakable(text)) * 1000);
}

double TableSpeaker::SpeakingSeconds(const QString& text) {
    // Measured with Orca's defaults (speech-dispatcher and espeak-ng): the word
    // "notification" before each notice, then about 9.5 letters a second of an
    // English text, pauses at the commas and full stops included; a kana or
    // kanji takes about as long as two letters.
    double letters = 0;
    for (const QChar c : text) letters += c.unicode() >= 0x2E80 ? 2.0 : 1.0;
    return kNotificationSeconds + letters / kLettersPerSecond;
}

bool TableSpeaker::StillSpeaking() const {
    // A little of the last notice may be left unsaid as the computer goes on.
    return listening_ && clock_.elapsed() < speechEndsMs_ - kSpeechSlackMs;
}

void TableSpeaker::KeyPressed() { speechEndsMs_ = 0; }

void TableSpeaker::CardFramed(int card) {
    // The frame is the keyboard's focus: the screen reader follows it and
    // reads the card it has come to.
    if (CardWidget* w = table_->Card(card); w && card >= 1 && card <= kCardCount)
        Tell(w, QAccessible::Focus);
}

void TableSpeaker::FocusStayed(int card) {
    // An arrow at the edge of the cards: the focus stays where it is, and the
    // player hears why nothing else was read.
    if (table_->Card(card)) Announce(tr("この先に札はありません"));
}

QString TableSpeaker::TurnedName(int card, int picture) const {
    const GameState& game = table_->Game();
    const int seat = game.currentSeat;
    const bool computer =
        seat >= 0 && seat < kSeats && game.seats[seat].IsComputer() && !game.soloMode;
    if (computer)
        return tr("%1がめくりました：%2")
            .arg(PlayerName(seat), CardName(card, picture, true, true));
    // The player who turned the card the keys are on knows where it lies.
    if (card == table_->FramedCard()) return FaceName(picture);
    return CardName(card, picture, true, true);
}

void TableSpeaker::CardTurned(int card, bool face) {
    CardWidget* w = table_->Card(card);
    // The deal and the clearing turn cards nobody sees: nothing to say then.
    const GameState& game = table_->Game();
    if (!w || w->isHidden() || !OnTable(game, card)) return;
    // The screen reader's copy of the card's name is out of date now. (Qt 6.4
    // sends this change in a form Orca cannot speak, so the new face is also
    // said as a notice, the focused card's too.)
    Tell(w, QAccessible::NameChanged);
    if (face) {
        Announce(TurnedName(card, w->pCard()));
        return;
    }
    // A failed attempt turns its first card back, then its second; both faces
    // were said as they came up.
    if (card == game.secondPick && game.firstPick != 0) Announce(tr("はずれ"));
}

void TableSpeaker::SeatOnTurn(int seat, bool onTurn) {
    const bool was = onTurn_.at(static_cast<size_t>(seat));
    onTurn_.at(static_cast<size_t>(seat)) = onTurn;
    if (was == onTurn) return;
    Tell(table_->SeatBox(seat), QAccessible::NameChanged);
    StatusChanged();
    if (!onTurn) return;
    if (table_->Game().seats[std::clamp(seat, 0, kSeats - 1)].kind == CharacterKind::You)
        Announce(tr("あなたの番です"));
    else
        Announce(tr("%1の番です").arg(PlayerName(seat)));
}

void TableSpeaker::SeatCountShown(int seat, int count) {
    Tell(table_->SeatBox(seat), QAccessible::NameChanged);
    StatusChanged();
    if (count <= 0) return;
    const GameState& game = table_->Game();
    const int first = game.firstPick;
    if (first != 0 && table_->Card(first))
        Announce(tr("%1が%2を取りました、%n枚", nullptr, count)
                     .arg(PlayerName(seat), PairName(table_->Card(first)->pCard())));
    else
        Announce(tr("%1がペアを取りました、%n枚", nullptr, count).arg(PlayerName(seat)));
}

void TableSpeaker::BalloonShown(int seat, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    Announce(tr("%1「%2」").arg(PlayerName(seat), Accessibility::Speakable(text)));
}

void TableSpeaker::StatusChanged() { Tell(status_, QAccessible::NameChanged); }
