// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SettingsDialog.h"

#include <qdrawutil.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "opponents/Characters.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/SpriteWidget.h"

namespace {

// Translated when they are shown: the player's language is settled only once
// the program runs.
QString NoPlayerMessage() {
    return QCoreApplication::translate("SettingsDialog", "プレイヤーが設定されていません。") +
           QStringLiteral("\r\n") +
           QCoreApplication::translate("SettingsDialog",
                                       "１人以上のプレーヤーを選択してください。");
}
QString SolitaireQuestion() {
    return QCoreApplication::translate("SettingsDialog", "一人遊びでよろしいですか？");
}

constexpr std::array<int, 3> kSeconds = {1, 2, 4};

// An option button drawn as a push button with a picture on it: the card backs
// and the cursors. A picture too large for the button is shrunk to fit, so
// the whole card back stays visible.
class PictureOptionButton : public QPushButton {
public:
    explicit PictureOptionButton(QWidget* parent) : QPushButton(parent) {
        setCheckable(true);
        setAutoDefault(false);
    }
    void SetPicture(const QPixmap& picture) {
        picture_ = picture;
        update();
    }
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        if (picture_.isNull()) return;
        const QRect room = rect().adjusted(2, 2, -2, -2);
        QSize size = picture_.size();
        if (size.width() > room.width() || size.height() > room.height())
            size.scale(room.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(room.center());
        // A pressed-in button shows its picture pressed in as well.
        if (isDown() || isChecked()) target.translate(1, 1);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target,
                           PictureStore::ForRatio(picture_, PictureStore::PaintRatio(painter)));
        // The chosen picture sits in a sunken frame, so the choice shows even
        // where the picture covers nearly the whole button.
        if (isChecked()) qDrawShadePanel(&painter, rect(), palette(), true, 2);
        // Outside Japanese (whose players keep the dialog as it always looked) the
        // choice is also ringed in the desktop's selection colour.
        if (isChecked() && CurrentTextLanguage() != kGameLanguage) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        // The keyboard's place shows on the button that has it, as on every other control.
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            focus.backgroundColor = palette().color(QPalette::Button);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    QPixmap picture_;
};

QPushButton* OptionPushButton(const QString& text, QWidget* parent, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setGeometry(rect);
    return button;
}

QGroupBox* Frame(const QString& caption, QWidget* parent, const QRect& rect) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setProperty("captioned", !caption.isEmpty());
    frame->setGeometry(rect);
    return frame;
}

// Frames are etched lines with the caption set into the top line, so that the
// contents keep their places measured from the frame's top left corner.
const char* const kFrameStyle =
    "QGroupBox { border: 2px groove palette(mid); border-radius: 0px; }"
    "QGroupBox[captioned=\"true\"] { margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 6px; top: 0px; padding: 0px 1px; }";

// Who sits in a seat, as a screen reader says it.
QString SeatKindName(CharacterKind kind) {
    return QCoreApplication::translate("Characters", CharacterOf(kind).displayName);
}

// What a seat's button chooses after `kind`: the next row of the characters'
// table, and after the last the first again.
CharacterKind NextChoice(CharacterKind kind) {
    const std::vector<::Character>& rows = Characters();
    size_t next = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].kind == kind) next = (i + 1) % rows.size();
    return rows[next].kind;
}

}  // namespace

SettingsDialog::SettingsDialog(const GameSettings& settings, bool seatsOpen,
                               std::function<void()> beep, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      chosen_(settings),
      seatsOpen_(seatsOpen),
      beep_(std::move(beep)) {
    setWindowTitle(QCoreApplication::translate("SettingsDialog", "設定"));
    // The layout's 530 x 335, and a line below it for keeping the settings.
    setFixedSize(530, 359);
    QFont font = this->font();
    font.setPixelSize(12);  // 9 pt on the 96-dpi screen the layout was drawn for
    setFont(font);
    setStyleSheet(QString::fromLatin1(kFrameStyle));
    BuildLayout();
    ShowOpeningState(settings);
    // Centred on the main window, whatever frame the window system gives it.
    if (parent) {
        const QRect owner = parent->frameGeometry();
        move(owner.center() - rect().center());
    }
}

void SettingsDialog::BuildLayout() {
    // The seats.
    playerFrame_ = Frame(QCoreApplication::translate("SettingsDialog", "プレーヤー選択"), this,
                         {4, 4, 425, 193});
    modeButtons_[0] = OptionPushButton(QCoreApplication::translate("SettingsDialog", "一人遊び"),
                                       playerFrame_, {8, 16, 89, 21});
    modeButtons_[1] = OptionPushButton(QCoreApplication::translate("SettingsDialog", "複数で遊ぶ"),
                                       playerFrame_, {100, 16, 89, 21});
    playerGroup_ = new QButtonGroup(this);
    playerGroup_->setExclusive(true);
    for (int i = 0; i < 2; ++i) playerGroup_->addButton(modeButtons_[i], i);
    connect(modeButtons_[0], &QPushButton::clicked, this, [this] { SelectSolitaire(); });
    connect(modeButtons_[1], &QPushButton::clicked, this, [this] { SelectSeveral(); });

    for (int seat = 0; seat < kSeats; ++seat) {
        // The fourth seat is a little narrower, as the frame has only 425 pixels.
        const int narrow = seat == 3 ? 4 : 0;
        auto* frame = Frame(QString(), playerFrame_, {12 + 104 * seat, 44, 97 - narrow, 141});
        frame->setAccessibleName(tr("席%1").arg(seat + 1));
        characters_[seat] = new SpriteWidget(frame);
        characters_[seat]->setGeometry(8, 12, 81 - narrow, 97);
        characters_[seat]->SetBorderStyle(1);
        connect(characters_[seat], &SpriteWidget::pressed, this,
                [this, seat] { CycleSeatChoice(seat); });
        nextButtons_[seat] =
            new QPushButton(QCoreApplication::translate("SettingsDialog", "次のﾌﾟﾚｰﾔ"), frame);
        nextButtons_[seat]->setGeometry(8, 112, 81 - narrow, 25);
        nextButtons_[seat]->setAutoDefault(false);
        connect(nextButtons_[seat], &QPushButton::clicked, this,
                [this, seat] { CycleSeatChoice(seat); });
    }

    // The card backs.
    auto* fraCard =
        Frame(QCoreApplication::translate("SettingsDialog", "カード"), this, {4, 200, 313, 129});
    cardGroup_ = new QButtonGroup(this);
    cardGroup_->setExclusive(true);
    const std::array<QRect, 4> cardRects = {
        {{8, 16, 69, 101}, {80, 16, 73, 101}, {156, 16, 73, 101}, {232, 16, 73, 101}}};
    for (int i = 0; i < 4; ++i) {
        auto* button = new PictureOptionButton(fraCard);
        button->setGeometry(cardRects[i]);
        button->SetPicture(PictureStore::Picture(PicSet::picFace, i));
        button->setAccessibleName(tr("カードの裏 %1").arg(i + 1));
        cardButtons_[i] = button;
        cardGroup_->addButton(button, i);
    }

    // The display time and the cursor.
    auto* other =
        Frame(QCoreApplication::translate("SettingsDialog", "その他"), this, {320, 200, 205, 129});
    auto* fraSecond = Frame(QCoreApplication::translate("SettingsDialog", "カードを見せる秒数"),
                            other, {8, 16, 189, 41});
    secondGroup_ = new QButtonGroup(this);
    secondGroup_->setExclusive(true);
    const std::array<QString, 3> secondTexts = {
        QCoreApplication::translate("SettingsDialog", "１秒"),
        QCoreApplication::translate("SettingsDialog", "２秒"),
        QCoreApplication::translate("SettingsDialog", "４秒")};
    const std::array<QRect, 3> secondRects = {
        {{12, 16, 57, 17}, {68, 16, 57, 17}, {124, 16, 45, 17}}};
    for (int i = 0; i < 3; ++i) {
        secondButtons_[i] = new QRadioButton(secondTexts[i], fraSecond);
        secondButtons_[i]->setGeometry(secondRects[i]);
        secondGroup_->addButton(secondButtons_[i], i);
    }
    auto* fraCursor =
        Frame(QCoreApplication::translate("SettingsDialog", "カーソル"), other, {8, 60, 189, 61});
    cursorGroup_ = new QButtonGroup(this);
    cursorGroup_->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto* button = new PictureOptionButton(fraCursor);
        button->setGeometry(8 + 44 * i, 16, 41, 37);
        button->SetPicture(PictureStore::Picture(PicSet::cursor, i));
        button->setAccessibleName(tr("カーソル %1").arg(i + 1));
        cursorButtons_[i] = button;
        cursorGroup_->addButton(button, i);
    }

    okButton_ = new QPushButton(QCoreApplication::translate("SettingsDialog", "Ｏ．Ｋ"), this);
    okButton_->setGeometry(448, 8, 77, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { Confirm(); });
    cancelButton_ = new QPushButton(QCoreApplication::translate("SettingsDialog", "ｷｬﾝｾﾙ"), this);
    cancelButton_->setGeometry(448, 36, 77, 25);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });

    keepBox_ = new QCheckBox(
        QCoreApplication::translate("SettingsDialog", "次回もこの設定で始める"), this);
    keepBox_->setGeometry(8, 333, 420, 20);

    icon_ = new QLabel(this);
    icon_->setGeometry(440, 84, 84, 88);
    icon_->setScaledContents(true);
    icon_->setPixmap(PictureStore::LargestIcon());
    icon_->setAccessibleName(tr("トマベルのアイコン"));
}

void SettingsDialog::ShowOpeningState(const GameSettings& settings) {
    // While a game runs, its seats cannot change under it.
    playerFrame_->setEnabled(seatsOpen_);

    if (settings.solitaire) {
        SelectSolitaire();
    } else {
        SelectSeveral();
        for (int seat = 0; seat < kSeats; ++seat)
            ShowSeatChoice(seat, settings.seats[seat].value_or(CharacterKind::Empty));
    }

    // A hand-edited settings file may name a cursor or a card back the game
    // does not have; the table then shows the first of each, and so does the dialog.
    const int cursor = settings.cursor, back = settings.cardBack;
    cursorButtons_[cursor >= 0 && cursor < 4 ? cursor : 0]->setChecked(true);
    cardButtons_[back >= 0 && back < 4 ? back : 0]->setChecked(true);

    // Before the first game the display time may still be 0: one second then.
    int second = 0;
    for (int i = 0; i < 3; ++i)
        if (settings.showSeconds == kSeconds[i]) second = i;
    secondButtons_[second]->setChecked(true);

    keepBox_->setChecked(settings.keepForNextStart);
}

void SettingsDialog::ShowSeatChoice(int seat, CharacterKind kind) {
    kind = CharacterOf(kind).kind;
    const QPixmap& picture = PictureStore::Picture(PicSet::picPlayer, CharacterOf(kind).picture);
    characters_[seat]->SetPicture(picture);
    characters_[seat]->SetMaskPicture(picture);
    seatChoice_[seat] = kind;
    // Who sits in the seat, on the picture (for the mouse and a screen reader),
    // and what the seat's button chooses next.
    const QString who = tr("席%1：%2").arg(seat + 1).arg(SeatKindName(kind));
    characters_[seat]->setAccessibleName(who);
    characters_[seat]->setToolTip(who);
    const CharacterKind next = NextChoice(kind);
    const QString choosesNext = tr("席%1を%2にする").arg(seat + 1).arg(SeatKindName(next));
    nextButtons_[seat]->setAccessibleName(choosesNext);
    nextButtons_[seat]->setToolTip(choosesNext);
    // The caption the game always had, in Japanese; elsewhere the button names who comes next.
    if (CurrentTextLanguage() != kGameLanguage) {
        QPushButton* button = nextButtons_[seat];
        const QString caption =
            QCoreApplication::translate("SettingsDialog", "次：%1").arg(SeatKindName(next));
        // A long name is set a little smaller rather than cut.
        QFont font = this->font();
        while (font.pixelSize() > 9 &&
               QFontMetrics(font).horizontalAdvance(caption) > button->width() - 8)
            font.setPixelSize(font.pixelSize() - 1);
        button->setFont(font);
        button->setText(caption);
    }
}

void SettingsDialog::CycleSeatChoice(int seat) {
    ShowSeatChoice(seat, NextChoice(seatChoice_[seat]));
    if (beep_) beep_();
}

void SettingsDialog::SelectSolitaire() {
    modeButtons_[0]->setChecked(true);
    // The human sits in seat 0 and plays alone; no seat can be changed.
    ShowSeatChoice(0, CharacterKind::You);
    characters_[0]->setEnabled(false);
    for (int seat = 1; seat < kSeats; ++seat) {
        characters_[seat]->setEnabled(false);
        ShowSeatChoice(seat, CharacterKind::Empty);
    }
    for (QPushButton* next : nextButtons_) next->setEnabled(false);
}

void SettingsDialog::SelectSeveral() {
    modeButtons_[1]->setChecked(true);
    for (int seat = 0; seat < kSeats; ++seat) {
        characters_[seat]->setEnabled(true);
        nextButtons_[seat]->setEnabled(true);
    }
}

bool SettingsDialog::ConfirmSeats() {
    if (!modeButtons_[1]->isChecked()) return true;
    int empty = 0;
    bool humanLeft = false;
    for (CharacterKind kind : seatChoice_) {
        if (kind == CharacterKind::Empty)
            ++empty;
        else
            humanLeft = kind == CharacterKind::You;
    }
    if (empty == kSeats) {
        MessageBoxes::Inform(this, NoPlayerMessage());
        return false;
    }
    if (empty == kSeats - 1 && humanLeft) {
        // One human alone is a solitaire game; it moves to seat 0 wherever it sat.
        if (!MessageBoxes::AskYesNo(this, SolitaireQuestion())) return false;
        SelectSolitaire();
    }
    return true;
}

void SettingsDialog::Confirm() {
    // During a game the seats and the mode stay as the game began with them.
    if (seatsOpen_) {
        if (!ConfirmSeats()) return;
        chosen_.solitaire = modeButtons_[0]->isChecked();
        for (int seat = 0; seat < kSeats; ++seat) chosen_.seats[seat] = seatChoice_[seat];
    }
    chosen_.cardBack = cardGroup_->checkedId();
    chosen_.showSeconds = kSeconds[static_cast<size_t>(secondGroup_->checkedId())];
    chosen_.cursor = cursorGroup_->checkedId();
    chosen_.keepForNextStart = keepBox_->isChecked();
    accept();
}
