// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/VersusResultWindow.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <cmath>
#include <numbers>

#include "opponents/Characters.h"
#include "scores/VersusPlacing.h"
#include "ui/ResultParts.h"

using namespace ResultParts;

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kFaceLeft = 288, kFaceSize = 32;
constexpr double kFaceLift = 140.0;  // twips the faces start above their row
constexpr double kBobStep = 70.0;    // twips of the largest step a tick
constexpr int kBalloonInterval = 50;

// Where the balloons are in their swing; carried over to the next showing.
double bobAngle = 0.0;

QString PlayerName(CharacterKind kind) {
    return QCoreApplication::translate("VersusResultWindow", CharacterOf(kind).resultName);
}

int RowTop(int seat) { return 40 + 44 * seat; }

}  // namespace

double VersusResultWindow::BobAngle() { return bobAngle; }
void VersusResultWindow::SetBobAngle(double angle) { bobAngle = angle; }

VersusResultWindow::VersusResultWindow(const Seats& seats, RankFaces faces, QWidget* parent)
    : QDialog(parent), seats_(seats), faces_(std::move(faces)) {
    setWindowTitle(QCoreApplication::translate("VersusResultWindow", "結果"));
    setFixedSize(382, 259);
    PaintGround(this);

    // The patch lies under the title, on the same green.
    auto* patch = new ShapeWidget(ShapeWidget::Kind::Rect, this);
    patch->SetFill(kTableGreen);
    patch->setGeometry(16, 12, 93, 25);
    Caption(this, QCoreApplication::translate("VersusResultWindow", "結果発表！！"),
            QRect(8, 8, 150, 24), ResultFont(18, true), Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);

    const QFont rowFont = ResultFont(14.25, true);
    for (int k = 0; k < 4; ++k) {
        RoundedPlate(this, QRect(8, RowTop(k) + 4, 369, 37), kShadow, QColor(192, 192, 0));
        RoundedPlate(this, QRect(4, RowTop(k), 369, 37), kPlate, kYellow);
    }
    for (int k = 0; k < 4; ++k) {
        // The row's caption is English in the game's own window, like the names.
        rowCaptions_[k] = Caption(
            this, QCoreApplication::translate("VersusResultWindow", "Player%1:").arg(k + 1),
            QRect(16, RowTop(k) + 8, 83, 19), rowFont, kYellow, Qt::AlignLeft | Qt::AlignVCenter);
        playerCells_[k] = Caption(this, QString(), QRect(108, RowTop(k) + 8, 162, 19), rowFont,
                                  kYellow, Qt::AlignRight | Qt::AlignVCenter);
        countCells_[k] = Caption(this, QString(), QRect(332, RowTop(k) + 8, 30, 19), rowFont,
                                 kYellow, Qt::AlignRight | Qt::AlignVCenter);
        rankPictures_[k] = new QLabel(this);
        rankPictures_[k]->setGeometry(kFaceLeft, RowTop(k) + 4, kFaceSize, kFaceSize);
        rankPictures_[k]->setScaledContents(true);
        rankPictures_[k]->hide();
    }

    ok_ = new OkButton(this, QPoint(284, 220), [this] { accept(); });

    balloonTimer_.setInterval(kBalloonInterval);
    connect(&balloonTimer_, &QTimer::timeout, this, &VersusResultWindow::Tick);
}

VersusResultWindow::~VersusResultWindow() = default;

QLabel* VersusResultWindow::OkLabel() const { return ok_->Label(); }

void VersusResultWindow::Load() {
    std::array<int, kSeats> cards{};
    std::array<bool, kSeats> seated{};
    for (int c = 0; c < kSeats; ++c) {
        cards[c] = seats_[c].cards;
        seated[c] = seats_[c].seated;
    }
    face_ = PlaceFaces(cards, seated);
    for (int c = 0; c < kSeats; ++c) {
        playerCells_[c]->setText(PlayerName(seats_[c].kind));
        // A caption longer than its box (a translation's word for "Player")
        // takes the room to its right, up to where the player's name begins.
        const QFontMetrics metrics(rowCaptions_[c]->font());
        const int captionWidth = metrics.horizontalAdvance(rowCaptions_[c]->text()) + 1;
        const int nameLeft = playerCells_[c]->geometry().right() + 1 -
                             metrics.horizontalAdvance(playerCells_[c]->text()) - 4;
        QRect caption = rowCaptions_[c]->geometry();
        caption.setWidth(std::max(83, std::min(captionWidth, nameLeft - caption.left())));
        rowCaptions_[c]->setGeometry(caption);
        rankPictures_[c]->hide();
        // Each row is one stop for the keyboard and one line for a screen reader.
        playerCells_[c]->setFocusPolicy(Qt::TabFocus);
        if (!seated[c]) {
            countCells_[c]->setText(QString());
            playerCells_[c]->setAccessibleName(tr("Player%1： 空席").arg(c + 1));
            continue;
        }
        // A screen reader reads the rows as the window comes, each a line of
        // three words or more (it passes over shorter ones): Japanese has no
        // spaces of its own, so the parts are spaced.
        const QString placing = tr("Player%1：%2、 %n枚、 %3位", nullptr, cards[c])
                                    .arg(c + 1)
                                    .arg(PlayerName(seats_[c].kind))
                                    .arg(face_[c] + 1);
        playerCells_[c]->setAccessibleName(placing);
        rankPictures_[c]->setAccessibleName(tr("%1位").arg(face_[c] + 1));
        countCells_[c]->setText(QString::number(cards[c]));
        rankPictures_[c]->setPixmap(faces_ ? faces_(face_[c]) : QPixmap());
        faceTop_[c] = (RowTop(c) + 4) * kTwipsPerPixel - kFaceLift;
        PlaceFace(c);
        rankPictures_[c]->show();
    }
    // The window opens on "O.K". A screen reader reads the placings as the
    // window comes, from the rows' names (and the rows are stops for Tab); told
    // again as the button's description, they were read twice.
    ok_->Label()->setFocus();
    balloonTimer_.start();
}

void VersusResultWindow::PlaceFace(int seat) {
    rankPictures_[seat]->move(kFaceLeft,
                              static_cast<int>(std::lround(faceTop_[seat] / kTwipsPerPixel)));
}

void VersusResultWindow::Tick() {
    const double step = kBobStep * std::sin(bobAngle);
    for (int k = 0; k < kSeats; ++k) {
        if (face_[k] < 0) continue;
        faceTop_[k] += step;
        PlaceFace(k);
    }
    // Once the angle has grown large it is taken back by whole turns, so the swing
    // carries on unbroken. (Jumping back to 0 would cut a swing short at a different
    // point every time and walk the faces a little further down at each jump, about
    // 14 pixels every 36 seconds, until they left the window.)
    bobAngle += 0.5;
    if (bobAngle > 360) bobAngle = std::fmod(bobAngle, 2 * std::numbers::pi);
}

void VersusResultWindow::done(int result) {
    balloonTimer_.stop();
    QDialog::done(result);
}
