// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Notices: Qt has no way of its own to hand a screen reader a sentence to
// say, and its AT-SPI bridge drops QAccessible::Alert. So the table carries a
// notice object with the notification role; each notice becomes its name and
// the object is shown anew, which a screen reader presents as a notification
// (Orca speaks a notification when it is shown), without taking the focus away
// from the card the player is on.
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "engine/GameState.h"
#include "opponents/Characters.h"
#include "ui/CardWidget.h"
#include "ui/MainWindow.h"
#include "ui/ShapeWidget.h"
#include "ui/TableWidget.h"

namespace {

const char* const kNoticeName = "tableNotice";
const char* const kStatusName = "tableStatus";

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

// The two objects of the table that are no widget: the notice and the
// solitaire status line.
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
        if (role_ == QAccessible::StatusBar) return table_->Speaker()->StatusText();
        const QString notice = table_->Speaker()->LastNotice();
        return notice.isEmpty() ? TableSpeaker::tr("お知らせ") : notice;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        // The status line is there while the solitaire lines are shown.
        if (role_ == QAccessible::StatusBar)
            s.invisible = !table_->TurnCountLabel()->isVisible();
        else
            s.invisible = !table_->isVisible();
        return s;
    }

    QRect rect() const override {
        if (role_ == QAccessible::StatusBar)
            return GlobalRect(table_->TimeLabel()).united(GlobalRect(table_->TurnCountLabel()));
        return {};
    }

private:
    TableWidget* table_;
    QAccessible::Role role_;
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
        if (object == table->Speaker()->Notice())
            return new TableObjectAccessible(object, table, QAccessible::Notification);
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

TableSpeaker::TableSpeaker(TableWidget* table)
    : QObject(table), table_(table), notice_(new QObject(table)), status_(new QObject(table)) {
    Accessibility::Install();
    notice_->setObjectName(QLatin1String(kNoticeName));
    status_->setObjectName(QLatin1String(kStatusName));
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

QString TableSpeaker::PlaceName(int card) const {
    const BoardCard& c = table_->Game().cards[std::clamp(card, 0, kCardCount)];
    return tr("%1行 %2列").arg(c.row + 1).arg(c.col + 1);
}

QString TableSpeaker::CardName(int card, int picture, bool face, bool onTable) const {
    if (!onTable) return tr("取られた札 %1").arg(FaceName(picture));
    if (face) return PlaceName(card) + QLatin1Char(' ') + FaceName(picture);
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
    Tell(notice_, QAccessible::NameChanged);
    Tell(notice_, QAccessible::ObjectShow);
    emit announced(text);
}

void TableSpeaker::CardFramed(int card) {
    // The frame is the keyboard's focus: the screen reader follows it and
    // reads the card it has come to.
    if (CardWidget* w = table_->Card(card); w && card >= 1 && card <= kCardCount)
        Tell(w, QAccessible::Focus);
}

void TableSpeaker::CardTurned(int card, bool face) {
    CardWidget* w = table_->Card(card);
    // The deal and the clearing turn cards nobody sees: nothing to say then.
    const GameState& game = table_->Game();
    if (!w || w->isHidden() || !OnTable(game, card)) return;
    Tell(w, QAccessible::NameChanged);
    if (face) {
        // The focused card reads its own new name.
        if (card == table_->FramedCard()) return;
        const int seat = game.currentSeat;
        const bool computer =
            seat >= 0 && seat < kSeats && game.seats[seat].IsComputer() && !game.soloMode;
        const QString name = CardName(card, w->pCard(), true, true);
        Announce(computer ? tr("%1がめくりました：%2").arg(PlayerName(seat), name) : name);
        return;
    }
    // A failed attempt turns its first card back, then its second.
    if (card == game.secondPick && game.firstPick != 0 && table_->Card(game.firstPick)) {
        const int first = game.firstPick;
        Announce(
            tr("はずれ：%1 と %2 を裏に戻しました")
                .arg(PlaceName(first) + QLatin1Char(' ') + FaceName(table_->Card(first)->pCard()),
                     PlaceName(card) + QLatin1Char(' ') + FaceName(w->pCard())));
    }
}

void TableSpeaker::SeatOnTurn(int seat, bool onTurn) {
    const bool was = onTurn_.at(static_cast<size_t>(seat));
    onTurn_.at(static_cast<size_t>(seat)) = onTurn;
    if (was == onTurn) return;
    Tell(table_->SeatBox(seat), QAccessible::NameChanged);
    if (onTurn) Announce(tr("%1の番です").arg(PlayerName(seat)));
}

void TableSpeaker::SeatCountShown(int seat, int count) {
    Tell(table_->SeatBox(seat), QAccessible::NameChanged);
    if (count <= 0) return;
    const GameState& game = table_->Game();
    const int first = game.firstPick, second = game.secondPick;
    if (table_->Card(first) && table_->Card(second) && first != 0 && second != 0)
        Announce(tr("%1がペアを取りました：%2 と %3、取った札 %n枚", nullptr, count)
                     .arg(PlayerName(seat), FaceName(table_->Card(first)->pCard()),
                          FaceName(table_->Card(second)->pCard())));
    else
        Announce(tr("%1がペアを取りました、取った札 %n枚", nullptr, count).arg(PlayerName(seat)));
}

void TableSpeaker::BalloonShown(int seat, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    Announce(tr("%1「%2」").arg(PlayerName(seat), text));
}
