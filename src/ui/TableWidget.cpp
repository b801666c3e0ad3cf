// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableWidget.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>

#include "opponents/Characters.h"
#include "ui/Accessibility.h"
#include "ui/CardWidget.h"
#include "ui/Language.h"
#include "ui/Look.h"
#include "ui/PictureStore.h"
#include "ui/ShapeWidget.h"
#include "ui/SpriteWidget.h"

namespace {

// The seat boxes: red for the seat on turn, dark red for the others.
const QColor kOnTurn(255, 0, 0);
const QColor kOffTurn(128, 0, 0);

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }
Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

// The template card of the layout waits on the deal pile, so that in the
// first game the second half of the deck appears there.
const QRect kTemplateCardRect(kPileLeft, kPileTop, kCardWidth, kCardHeight);

// The keyboard's frame lies round the card, clear of its picture.
constexpr int kFocusMargin = 4;

// The seat panel's caption: the character's English name, which a translation
// may give in its own language; the empty seat has none.
QString NameOf(CharacterKind kind) {
    if (kind == CharacterKind::Empty) return QString();
    return QCoreApplication::translate("SeatPanel", CharacterOf(kind).name);
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

}  // namespace

TableScale TableScale::Fitting(const QSize& area) {
    TableScale scale;
    // A widget with no room yet keeps the table at its own size, in its corner.
    if (area.isEmpty()) return scale;
    scale.factor = std::min(qreal(area.width()) / kTableWidth, qreal(area.height()) / kTableHeight);
    scale.origin = QPoint(qRound((area.width() - kTableWidth * scale.factor) / 2),
                          qRound((area.height() - kTableHeight * scale.factor) / 2));
    return scale;
}

QRect TableScale::ToWidget(const QRect& table) const {
    const int left = origin.x() + Pixels(table.left());
    const int top = origin.y() + Pixels(table.top());
    const int right = origin.x() + Pixels(table.left() + table.width());
    const int bottom = origin.y() + Pixels(table.top() + table.height());
    return QRect(left, top, right - left, bottom - top);
}

int TableScale::Pixels(qreal tableUnits) const { return qRound(tableUnits * factor); }

TableWidget::TableWidget(const GameState& game, QWidget* parent)
    : QWidget(parent), game_(game), cardBack_(&game.cardBack) {
    setObjectName(QStringLiteral("table"));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, kTableGreen);
    setPalette(green);
    // The table is never smaller than its own size, and opens at it.
    setMinimumSize(kTableWidth, kTableHeight);
    resize(kTableWidth, kTableHeight);
    setMouseTracking(true);
    setCursor(PictureStore::Cursor(0));
    // The table takes the keys: the arrows, Space and Return play the cards.
    setFocusPolicy(Qt::StrongFocus);

    // A label's place is decided when its text is set, or, for the fixed ones, here.
    auto label = [this](const Rect& rect, const QFont& font, const QColor& colour) {
        auto* l = new QLabel(this);
        l->setGeometry(ToQRect(rect));
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
        boxes_[i] = new ShapeWidget(ShapeWidget::Kind::RoundedRect, this);
        Place(boxes_[i], ToQRect(SeatBoxRect(i)));
        boxes_[i]->SetBorder(kYellow);
        boxes_[i]->SetFill(kOffTurn);
        boxes_[i]->hide();
    }
    for (int i = 0; i < kSeats; ++i) {
        lines_[i] = new ShapeWidget(ShapeWidget::Kind::HorizontalLine, this);
        Place(lines_[i], ToQRect(SeatLineRect(i)));
        lines_[i]->SetBorder(kYellow);
        lines_[i]->hide();
    }
    for (int i = 0; i < kSeats; ++i) {
        names_[i] = label(SeatNameRect(i), nameFont, kYellow);
        names_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        times_[i] = label(SeatTimesRect(i), capFont, kYellow);
        Place(times_[i], ToQRect(SeatTimesRect(i)));
        times_[i]->setText(QStringLiteral("x"));
        counts_[i] = label(SeatCountRect(i), countFont, kYellow);
    }
    for (int i = 0; i < kSeats; ++i) {
        balloons_[i] = new ShapeWidget(ShapeWidget::Kind::RoundedRect, this);
        Place(balloons_[i], ToQRect(SeatBalloonRect(i)));
        balloons_[i]->SetFill(palette().color(QPalette::Base));
        balloons_[i]->SetBorder(palette().color(QPalette::Text));
        balloons_[i]->hide();
        balloonTexts_[i] = label(SeatBalloonTextRect(i), balloonFont, QColor());
        balloonTexts_[i]->setWordWrap(true);
        balloonTexts_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    timeCaption_ = label(kSoloTimeCaptionRect, soloFont, kYellow);
    Place(timeCaption_, ToQRect(kSoloTimeCaptionRect));
    // The captions stand right against their values, whatever their length.
    timeCaption_->setText(QCoreApplication::translate("TableWidget", "経過時間："));
    timeCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLabel_ = label(kSoloTimeRect, soloFont, kYellow);
    turnsCaption_ = label(kSoloTurnsCaptionRect, soloFont, kYellow);
    Place(turnsCaption_, ToQRect(kSoloTurnsCaptionRect));
    turnsCaption_->setText(QCoreApplication::translate("TableWidget", "手数："));
    turnsCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    turnsLabel_ = label(kSoloTurnsRect, soloFont, kYellow);

    hand_ = new ShapeWidget(ShapeWidget::Kind::HatchedRoundedRect, this);
    Place(hand_, ToQRect(HandPlacement(0, 0)));
    hand_->SetBorder(kYellow);
    hand_->hide();

    for (int i = 0; i < kSeats; ++i) {
        gotCards_[i] = new CardWidget(i, cardBack_, this);
        Place(gotCards_[i], ToQRect(SeatGotCardRect(i)));
        gotCards_[i]->hide();
        characters_[i] = new SpriteWidget(this);
        Place(characters_[i], ToQRect(SeatCharacterRect(i)));
        characters_[i]->hide();
    }

    cards_[0] = new CardWidget(0, cardBack_, this);
    Place(cards_[0], kTemplateCardRect);
    cards_[0]->hide();

    banner_ = new SpriteWidget(this);
    banner_->hide();

    focusFrame_ = new ShapeWidget(ShapeWidget::Kind::FocusRing, this);
    focusFrame_->SetBorder(kYellow);
    focusFrame_->hide();

    speaker_ = new TableSpeaker(this);

    // Moving over anything of the table that is not a card counts as moving
    // over the table: the texts and pictures pass the mouse on.
    for (QLabel* l : findChildren<QLabel*>()) l->setMouseTracking(true);
    for (SpriteWidget* s : findChildren<SpriteWidget*>()) s->setMouseTracking(true);
}

void TableWidget::CreateCardWidgets() {
    for (int i = 1; i < static_cast<int>(cards_.size()); ++i) {
        if (cards_[i]) continue;
        auto* card = new CardWidget(i, cardBack_, this);
        Place(card, QRect(Placed(cards_[0]).topLeft(), QSize(kCardWidth, kCardHeight)));
        card->SetScale(scale_.factor);
        card->SetPCard(i);
        card->hide();
        // A new card joins the deck on top of the older cards, below the banner.
        card->stackUnder(banner_);
        if (i <= kCardCount) {
            connect(card, &CardWidget::clicked, this, &TableWidget::cardClicked);
            connect(card, &CardWidget::hovered, this, &TableWidget::cardHovered);
        }
        cards_[i] = card;
    }
}

void TableWidget::SetTableCursor(int n) {
    cursorNumber_ = n;
    setCursor(PictureStore::Cursor(n, scale_.factor));
}

void TableWidget::Place(QWidget* piece, const QRect& tableRect) {
    placed_.insert(piece, tableRect);
    piece->setGeometry(scale_.ToWidget(tableRect));
}

QRect TableWidget::Placed(const QWidget* piece) const {
    return placed_.value(const_cast<QWidget*>(piece));
}

QFont TableWidget::Font(const QString& family, double points, bool bold) const {
    QFont font = LayoutFont(family, points, bold);
    if (scale_.factor != 1) font.setPixelSize(std::max(1, scale_.Pixels(font.pixelSize())));
    return font;
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const TableScale fitting = TableScale::Fitting(size());
    if (fitting == scale_) return;
    scale_ = fitting;
    LayOut();
}

void TableWidget::LayOut() {
    for (auto piece = placed_.cbegin(); piece != placed_.cend(); ++piece)
        piece.key()->setGeometry(scale_.ToWidget(piece.value()));
    // The pictures are drawn from the drawings made for the new size, the lines
    // and edges at the new width.
    for (CardWidget* card : findChildren<CardWidget*>(Qt::FindDirectChildrenOnly))
        card->SetScale(scale_.factor);
    for (SpriteWidget* sprite : findChildren<SpriteWidget*>(Qt::FindDirectChildrenOnly))
        sprite->SetScale(scale_.factor);
    for (ShapeWidget* shape : findChildren<ShapeWidget*>(Qt::FindDirectChildrenOnly))
        shape->SetScale(scale_.factor);

    // The texts are set anew at the new size, each fitted to its room as when it was shown.
    const QFont soloFont = Font(kMincho, 12);
    for (QLabel* l : {timeCaption_, turnsCaption_, timeLabel_, turnsLabel_}) l->setFont(soloFont);
    FitGrowingRight(timeLabel_, scale_.ToWidget(ToQRect(kSoloTimeRect)), timeLabel_->text());
    FitGrowingRight(turnsLabel_, scale_.ToWidget(ToQRect(kSoloTurnsRect)), turnsLabel_->text());
    for (int i = 0; i < kSeats; ++i) {
        times_[i]->setFont(Font(kRoundGothic, 12));
        FitName(i, names_[i]->text());
        FitCount(i, counts_[i]->text());
        FitBalloon(i, balloonTexts_[i]->text());
    }
    SetTableCursor(cursorNumber_);
}

void TableWidget::ShowFarewell() {
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
        placed_.remove(card);
        if (i == framedCard_) SetFocusFrame(0);
        // Deleted once control is back in the event loop: the card's own
        // mouse handler may be the one that led here.
        card->deleteLater();
    }
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    emit tableHovered();
    QWidget::mouseMoveEvent(event);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
    // A screen reader stops speaking at a key, and starts on what the key does.
    speaker_->KeyPressed();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Left:
            emit arrowKeyPressed(-1, 0);
            return;
        case Qt::Key_Right:
            emit arrowKeyPressed(1, 0);
            return;
        case Qt::Key_Up:
            emit arrowKeyPressed(0, -1);
            return;
        case Qt::Key_Down:
            emit arrowKeyPressed(0, 1);
            return;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat()) emit turnKeyPressed();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

CardWidget* TableWidget::Card(int index) const {
    if (index < 0 || index >= static_cast<int>(cards_.size())) return nullptr;
    return cards_[static_cast<size_t>(index)];
}
CardWidget* TableWidget::GotCard(int seat) const { return gotCards_.at(seat); }
SpriteWidget* TableWidget::Character(int seat) const { return characters_.at(seat); }
SpriteWidget* TableWidget::Banner() const { return banner_; }
QLabel* TableWidget::NameLabel(int seat) const { return names_.at(seat); }
QLabel* TableWidget::CountLabel(int seat) const { return counts_.at(seat); }
QLabel* TableWidget::BalloonLabel(int seat) const { return balloonTexts_.at(seat); }
QLabel* TableWidget::TimeLabel() const { return timeLabel_; }
QLabel* TableWidget::TurnCountLabel() const { return turnsLabel_; }
ShapeWidget* TableWidget::SeatBox(int seat) const { return boxes_.at(seat); }
ShapeWidget* TableWidget::Hand() const { return hand_; }
ShapeWidget* TableWidget::FocusFrame() const { return focusFrame_; }

// ---------------------------------------------------------------------------
// The cards

void TableWidget::SetCardVisible(int card, bool visible) {
    if (CardWidget* c = Card(card)) c->setVisible(visible);
    if (!visible && card == framedCard_) SetFocusFrame(0);  // the frame goes with its card
}
bool TableWidget::CardVisible(int card) const {
    const CardWidget* c = Card(card);
    return c && !c->isHidden();
}
void TableWidget::SetCardFace(int card, bool face) {
    if (CardWidget* c = Card(card)) c->SetFace(face);
    speaker_->CardTurned(card, face);
}
bool TableWidget::CardFace(int card) const {
    const CardWidget* c = Card(card);
    return c && c->Face();
}
void TableWidget::SetCardEnabled(int card, bool enabled) {
    if (CardWidget* c = Card(card)) c->setEnabled(enabled);
}
// The card's own switch, whatever the window around it is doing.
bool TableWidget::CardEnabled(int card) const {
    const CardWidget* c = Card(card);
    return c && c->isEnabledTo(this);
}
void TableWidget::SetCardPicture(int card, int pictureNumber) {
    if (CardWidget* c = Card(card)) c->SetPCard(pictureNumber);
}
void TableWidget::MoveCard(int card, const Rect& rect) {
    if (CardWidget* c = Card(card)) Place(c, ToQRect(rect));
    // The frame follows its card, through the turn and into a seat's panel.
    if (card == framedCard_) PlaceFocusFrame();
}
Rect TableWidget::CardRect(int card) const {
    const CardWidget* c = Card(card);
    return c ? FromQRect(Placed(c)) : Rect{};
}
void TableWidget::RaiseCard(int card) {
    if (CardWidget* c = Card(card)) c->raise();
    if (card == framedCard_) PlaceFocusFrame();
}
void TableWidget::DrawCard(int card) {
    if (CardWidget* c = Card(card)) c->DrawCard();
}
void TableWidget::DrawGotCards() {
    for (CardWidget* c : gotCards_) c->DrawCard();
}

void TableWidget::SetFocusFrame(int card) {
    // Framed again where it already is: an arrow at the edge of the cards.
    const bool stayed = card != 0 && card == framedCard_;
    framedCard_ = card;
    PlaceFocusFrame();
    if (stayed)
        speaker_->FocusStayed(card);
    else
        speaker_->CardFramed(card);
}

// Round the framed card and just below it, over the cards beside it, which
// a magnified card overlaps.
void TableWidget::PlaceFocusFrame() {
    CardWidget* card = framedCard_ > 0 && framedCard_ <= kCardCount ? Card(framedCard_) : nullptr;
    if (!card || card->isHidden()) {
        focusFrame_->hide();
        return;
    }
    Place(focusFrame_,
          Placed(card).adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin));
    focusFrame_->stackUnder(card);
    focusFrame_->show();
}

// ---------------------------------------------------------------------------
// The seat panels and their balloons

void TableWidget::ShowSeatPanel(int seat, CharacterKind kind) {
    const QPixmap& picture = PictureStore::Picture(PicSet::picPlayer, CharacterOf(kind).picture);
    characters_[seat]->SetPicture(picture);
    characters_[seat]->SetMaskPicture(picture);
    characters_[seat]->show();

    FitName(seat, NameOf(kind));
    names_[seat]->show();

    SetSeatCardCount(seat, "0");
    counts_[seat]->show();
    boxes_[seat]->SetFill(kOffTurn);
    boxes_[seat]->show();
    times_[seat]->show();
    lines_[seat]->show();
    gotCards_[seat]->show();
}

// A name wider than its box grows to the left, up to the character picture; if
// it still does not fit, its letters get smaller.
void TableWidget::FitName(int seat, const QString& text) {
    QLabel* name = names_[seat];
    const QRect box = scale_.ToWidget(ToQRect(SeatNameRect(seat)));
    const int leftmost =
        scale_.origin.x() + scale_.Pixels(std::min(SeatNameRect(seat).left, kSeatNameLeftLimit));
    const int room = box.right() + 1 - leftmost;
    const int smallest = std::max(1, scale_.Pixels(8));
    QFont font = Font(kRoundGothic, 14.25, true);
    name->setFont(font);
    while (TextWidth(name, text) > room && font.pixelSize() > smallest) {
        font.setPixelSize(font.pixelSize() - 1);
        name->setFont(font);
    }
    const int width = std::max(box.width(), std::min(room, TextWidth(name, text)));
    name->setGeometry(box.right() + 1 - width, box.top(), width, box.height());
    name->setText(text);
}

void TableWidget::FitCount(int seat, const QString& text) {
    counts_[seat]->setFont(Font(kRoundGothic, 15.75));
    FitGrowingRight(counts_[seat], scale_.ToWidget(ToQRect(SeatCountRect(seat))), text);
}

// The balloon's text, written small enough to fit whole inside the balloon: a
// line that would not fit at the layout's size is set a point smaller, and
// smaller again, until it does (Japanese lines fit at the layout's size).
void TableWidget::FitBalloon(int seat, const QString& text) {
    QLabel* label = balloonTexts_[seat];
    label->setGeometry(scale_.ToWidget(ToQRect(SeatBalloonTextRect(seat))));
    QFont font = Font(kRoundGothic, 9);
    const int smallest = std::max(1, scale_.Pixels(7));
    const QRect room(QPoint(0, 0), label->size());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    while (font.pixelSize() > smallest &&
           !room.contains(QFontMetrics(font).boundingRect(room, flags, text)))
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(text);
}

void TableWidget::HideSeatPanel(int seat) {
    characters_[seat]->hide();
    gotCards_[seat]->hide();
    boxes_[seat]->hide();
    balloons_[seat]->hide();
    balloonTexts_[seat]->hide();
    times_[seat]->hide();
    counts_[seat]->hide();
    names_[seat]->hide();
    lines_[seat]->hide();
}

void TableWidget::SetSeatOnTurn(int seat, bool onTurn) {
    boxes_[seat]->SetFill(onTurn ? kOnTurn : kOffTurn);
    speaker_->SeatOnTurn(seat, onTurn);
}

void TableWidget::SetSeatCardCount(int seat, const std::string& text) {
    FitCount(seat, QString::fromStdString(text));
    speaker_->SeatCountShown(seat, counts_[seat]->text().toInt());
}

void TableWidget::ShowBalloon(int seat, const std::string& text) {
    // The characters speak Japanese; the player reads them in their own language.
    FitBalloon(seat, QCoreApplication::translate("Speech", text.c_str()));
    balloons_[seat]->show();
    balloonTexts_[seat]->show();
    speaker_->BalloonShown(seat, balloonTexts_[seat]->text());
}

void TableWidget::HideBalloon(int seat) {
    balloons_[seat]->hide();
    balloonTexts_[seat]->hide();
}

bool TableWidget::StillSpeaking() const { return speaker_->StillSpeaking(); }

// ---------------------------------------------------------------------------
// The hand marker and the banner

void TableWidget::MoveHand(int left, int top) {
    Place(hand_, QRect(QPoint(left, top), Placed(hand_).size()));
}
void TableWidget::SetHandVisible(bool visible) { hand_->setVisible(visible); }

void TableWidget::LoadBanner(int n) {
    const QPixmap& picture = PictureStore::Picture(PicSet::picMsgDat, n);
    banner_->SetPicture(picture);
    banner_->SetMaskPicture(picture);
    // The banner's picture is as large as the banner, in table units.
    Place(banner_, QRect(Placed(banner_).topLeft(), picture.size()));
}

Size TableWidget::BannerSize() const {
    const QRect banner = Placed(banner_);
    return {banner.width(), banner.height()};
}
void TableWidget::MoveBanner(int left, int top) {
    Place(banner_, QRect(QPoint(left, top), Placed(banner_).size()));
}
void TableWidget::SetBannerVisible(bool visible) { banner_->setVisible(visible); }
void TableWidget::RaiseBanner() { banner_->raise(); }
// The window's width in table units, leaving out the green on either side of a
// magnified table: the banner centred on it is centred on the table as on a
// window of the table's own size.
int TableWidget::WindowOuterWidth() const {
    return qRound((window()->frameGeometry().width() - 2 * scale_.origin.x()) / scale_.factor);
}

// ---------------------------------------------------------------------------
// The solitaire status lines

void TableWidget::SetSoloLabelsVisible(bool visible) {
    for (QLabel* l : {timeCaption_, timeLabel_, turnsCaption_, turnsLabel_}) l->setVisible(visible);
    speaker_->StatusChanged();
}

void TableWidget::SetTimeText(const std::string& text) {
    FitGrowingRight(timeLabel_, scale_.ToWidget(ToQRect(kSoloTimeRect)),
                    ShownCounter(text, Counter::Time));
    speaker_->StatusChanged();
}

void TableWidget::SetCountText(const std::string& text) {
    FitGrowingRight(turnsLabel_, scale_.ToWidget(ToQRect(kSoloTurnsRect)),
                    ShownCounter(text, Counter::Turns));
    speaker_->StatusChanged();
}
