// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beside the shipped game's own main(), a timer that plays a solitaire game,
// for display servers where no outside program can move the mouse (a headless
// Wayland compositor). Built for the tests only. It reads the table and clicks
// the cards and the windows' buttons the way a player would, and reports on
// standard output, one line a step:
//   platform NAME | desktop-file NAME | window W H | table W H | shot NAME |
//   message TEXT | pairs N | saved | closing
// A "shot" line is followed by two seconds without play, for a screenshot. It
// ends by closing the window and answering Yes to the closing question.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "engine/GameState.h"
#include "ui/CardWidget.h"
#include "ui/MainWindow.h"
#include "ui/ScoreWindow.h"
#include "ui/TableWidget.h"

namespace {

void Say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class SelfPlay : public QObject {
public:
    explicit SelfPlay(QObject* parent) : QObject(parent) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            // The clicks turn cards, and a turn waits with events: the timer
            // fires again inside it and must leave it alone.
            if (busy_) return;
            busy_ = true;
            Step();
            busy_ = false;
        });
        timer_.start(50);
    }

private:
    enum class Stage { WaitWindow, ShotTable, Start, Play, NameEntry, Close };

    static MainWindow* Window() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible()) return main;
        return nullptr;
    }

    void Pause(int ms) { resumeAt_ = clock_.elapsed() + ms; }

    void Step() {
        if (!clock_.isValid()) clock_.start();
        if (clock_.elapsed() < resumeAt_) return;
        MainWindow* window = Window();
        switch (stage_) {
            case Stage::WaitWindow:
                if (!window || !window->windowHandle() || !window->windowHandle()->isExposed())
                    return;
                Say(QStringLiteral("platform ") + QGuiApplication::platformName());
                Say(QStringLiteral("desktop-file ") + QGuiApplication::desktopFileName());
                Say(QStringLiteral("window %1 %2").arg(window->width()).arg(window->height()));
                Say(QStringLiteral("table %1 %2")
                        .arg(window->Table()->width())
                        .arg(window->Table()->height()));
                stage_ = Stage::ShotTable;
                Pause(1000);  // the compositor shows the first frame
                return;
            case Stage::ShotTable:
                Say(QStringLiteral("shot table"));
                stage_ = Stage::Start;
                Pause(2000);
                return;
            case Stage::Start:
                // The game runs inside the menu command, so it is started from the
                // event loop, never from inside this step.
                QTimer::singleShot(0, window->StartAction(), &QAction::trigger);
                stage_ = Stage::Play;
                return;
            case Stage::Play:
                Play(window);
                return;
            case Stage::NameEntry:
                NameEntry();
                return;
            case Stage::Close:
                Close(window);
                return;
        }
    }

    void Play(MainWindow* window) {
        if (AnswerMessage()) return;
        if (qobject_cast<ScoreWindow*>(QApplication::activeModalWidget())) {
            stage_ = Stage::NameEntry;
            return;
        }
        if (!window) return;
        const GameState& game = window->Game();
        // The deal is over once the clock has ticked.
        if (game.phase != GamePhase::Running || game.pickState != PickNone ||
            game.elapsedSeconds < 1)
            return;
        if (!dealShot_) {
            dealShot_ = true;
            Say(QStringLiteral("shot deal"));
            Pause(2000);
            return;
        }
        for (int a = 1; a <= kCardCount; ++a) {
            if (!OnTable(game, a)) continue;
            for (int b = a + 1; b <= kCardCount; ++b) {
                if (!OnTable(game, b) || !CardsArePair(game, a, b)) continue;
                Click(window, a);
                Click(window, b);
                Say(QStringLiteral("pairs %1").arg(++pairs_));
                if (pairs_ == 1) {
                    Say(QStringLiteral("shot pair"));
                    Pause(2000);
                }
                return;
            }
        }
    }

    static bool OnTable(const GameState& game, int card) {
        const BoardCard& c = game.cards[card];
        return c.col >= 0 && c.col < kColumns && c.row >= 0 && c.row < kRows &&
               game.board[c.col][c.row] == card;
    }

    static void Click(MainWindow* window, int card) {
        CardWidget* widget = window->Table()->Card(card);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    static bool AnswerMessage() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return false;
        Say(QStringLiteral("message ") + box->text().replace(u'\n', u' '));
        box->buttons().first()->click();
        return true;
    }

    void NameEntry() {
        if (AnswerMessage()) return;
        auto* scores = qobject_cast<ScoreWindow*>(QApplication::activeModalWidget());
        if (!scores) {
            // The window has closed: the name has been saved.
            Say(QStringLiteral("saved"));
            stage_ = Stage::Close;
            return;
        }
        if (!nameTyped_) {
            QLineEdit* name = scores->findChild<QLineEdit*>();
            if (!name || !name->isVisible()) return;
            QTest::keyClicks(name, QStringLiteral("Wayland"));
            nameTyped_ = true;
            Say(QStringLiteral("shot scores"));
            Pause(2000);
            return;
        }
        QLabel* ok = scores->OkLabel();
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    }

    void Close(MainWindow* window) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(QMessageBox::Yes)) {
            Say(QStringLiteral("message ") + box->text());
            // The process ends at once from here.
            box->button(QMessageBox::Yes)->click();
            return;
        }
        if (closing_ || !window) return;
        closing_ = true;
        Say(QStringLiteral("closing"));
        QTimer::singleShot(0, window, &QWidget::close);
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 resumeAt_ = 0;
    bool busy_ = false;
    Stage stage_ = Stage::WaitWindow;
    bool dealShot_ = false;
    bool nameTyped_ = false;
    bool closing_ = false;
    int pairs_ = 0;
};

void StartSelfPlay() { new SelfPlay(qApp); }
Q_COREAPP_STARTUP_FUNCTION(StartSelfPlay)

}  // namespace
