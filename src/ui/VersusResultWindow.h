// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmScoreVs: the result of a game against the computer. The four seats with
// their players and the cards they took, a face for each seated player's place,
// the faces bobbing like balloons until "O.K".
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <functional>

#include "engine/GameState.h"

class QLabel;

namespace ResultParts {
class OkButton;
}

class VersusResultWindow : public QDialog {
    Q_OBJECT
public:
    // What the window shows of one seat: who sat there and the cards taken.
    struct Seat {
        CharacterKind kind = CharacterKind::Empty;
        bool seated = false;
        int cards = 0;
    };
    using Seats = std::array<Seat, kSeats>;
    // Rank face n: 0 for first place .. 3 for last.
    using RankFaces = std::function<QPixmap(int n)>;
    VersusResultWindow(const Seats& seats, RankFaces faces, QWidget* parent = nullptr);
    ~VersusResultWindow() override;

    // Form load: names, counts and the faces of the places; starts the balloons.
    void Load();

    // The face shown for a seat (0..3), -1 for an empty seat.
    int Face(int seat) const { return face_[seat]; }
    // The top of a seat's face in twips, as the balloons move it.
    double FaceTopTwips(int seat) const { return faceTop_[seat]; }
    QLabel* FaceLabel(int seat) const { return rankPictures_[seat]; }
    QLabel* PlayerLabel(int seat) const { return playerCells_[seat]; }
    QLabel* CountLabel(int seat) const { return countCells_[seat]; }
    QLabel* OkLabel() const;
    QTimer* BalloonTimer() { return &balloonTimer_; }

    // The balloons' angle, kept from one showing of the window to the next.
    static double BobAngle();
    static void SetBobAngle(double angle);

public slots:
    // Every 50 ms: all faces rise or sink together along a sine.
    void Tick();
    void done(int result) override;

private:
    void PlaceFace(int seat);

    Seats seats_;
    RankFaces faces_;
    std::array<QLabel*, 4> rowCaptions_{}, playerCells_{}, countCells_{}, rankPictures_{};
    std::array<int, 4> face_{-1, -1, -1, -1};
    std::array<double, 4> faceTop_{};
    QTimer balloonTimer_;
    ResultParts::OkButton* ok_ = nullptr;
};
