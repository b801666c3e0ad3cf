// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScoreWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QValidator>

#include "text/Cp932.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"
#include "ui/ResultParts.h"

using namespace ResultParts;

namespace {

constexpr const char* kCodePage = "Shift_JIS";  // Qt's table for it is the Windows CP932 one
// Long enough for any real name; the name cell shows about a dozen full-width characters.
constexpr int kLongestName = 20;
// A failed save offers Retry (a full disk can be freed meanwhile) and this way out.
// It says both what happens to the result and to the window.

// A grid cell: single border, window colours, the table's font.
QLabel* GridCell(QWidget* parent, const QString& text, const QRect& where, bool bold,
                 Qt::Alignment alignment) {
    auto* cell = new QLabel(text, parent);
    cell->setGeometry(where);
    cell->setFont(ResultFont(9, bold));
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
    cell->setFrameShape(QFrame::Box);
    cell->setLineWidth(1);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    if (!(alignment & Qt::AlignHCenter)) cell->setIndent(2);
    return cell;
}

QRect RowCell(int left, int width, int row) { return QRect(left, 20 + 16 * row, width, 17); }

// A rank as the messages write it: a space and the digits, all full-width ("　３").
// A place as the message says it: in Japanese a full-width space and full-width
// digits, in English plain digits.
QString WideRank(int rank) {
    if (CurrentTextLanguage() != TextLanguage::Japanese) return QString::number(rank);
    return QStringLiteral("\u3000") + CountDigits(rank);
}

QString TextOf(const std::string& utf8) { return QString::fromStdString(utf8); }

// The JIS forms of a few characters become the forms CP932 holds (the wave
// dash 〜 becomes ～), as Windows writes them.
QString RefusedNameMessage(const QString& refused) {
    return QCoreApplication::translate(
               "ScoreWindow", "「%1」は名前に使えない文字です。\nほかの文字で入力してください。")
        .arg(refused);
}

// The name box takes only what the score table can hold: a typed or pasted
// character that CP932 has no code for is refused on the spot and the hint
// says which, and the JIS forms turn into CP932's before the player's eyes, so
// the name saved is the name seen.
class NameValidator : public QValidator {
public:
    NameValidator(QLabel* hint, QObject* parent) : QValidator(parent), hint_(hint) {}
    State validate(QString& input, int&) const override {
        input = Cp932::WindowsForms(input);
        QString refused;
        if (NameToCp932(input, &refused)) {
            hint_->hide();
            return Acceptable;
        }
        hint_->setText(RefusedNameMessage(refused));
        hint_->show();
        // A player who does not see the hint hears it.
        Accessibility::Announce(hint_, hint_->text());
        return Invalid;
    }

private:
    QLabel* hint_;
};

}  // namespace

std::optional<std::string> NameToCp932(const QString& name, QString* refused) {
    if (const std::optional<QByteArray> bytes = Cp932::Encode(name)) return bytes->toStdString();
    if (refused) *refused = Cp932::Unencodable(name);
    return std::nullopt;
}

QString NameFromCp932(const std::string& bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArray::fromStdString(bytes));
}

ScoreWindow::ScoreWindow(std::string scorePath, const ScoreTable& table, int newIndex,
                         ScoreRank rank, bool afterGame, QWidget* parent)
    : QDialog(parent),
      scorePath_(std::move(scorePath)),
      table_(table),
      newRecord_(newIndex),
      rank_(newIndex >= 0 ? rank : ScoreRank{}),
      afterGame_(afterGame) {
    setWindowTitle(QCoreApplication::translate("ScoreWindow", "１人トマベル　結果"));
    setFixedSize(496, 225);
    PaintGround(this);

    GridCell(this, QStringLiteral("№"), QRect(4, 4, 21, 17), true, Qt::AlignHCenter);
    GridCell(this, QCoreApplication::translate("ScoreWindow", "名前"), QRect(24, 4, 157, 17), true,
             Qt::AlignHCenter);
    sortHeaders_[0] = GridCell(this, QCoreApplication::translate("ScoreWindow", "時間"),
                               QRect(180, 4, 61, 17), true, Qt::AlignHCenter);
    sortHeaders_[1] = GridCell(this, QCoreApplication::translate("ScoreWindow", "ターン"),
                               QRect(240, 4, 61, 17), true, Qt::AlignHCenter);
    GridCell(this, QCoreApplication::translate("ScoreWindow", "日付"), QRect(300, 4, 189, 17), true,
             Qt::AlignHCenter);
    for (QLabel* header : sortHeaders_) header->installEventFilter(this);
    for (int k = 0; k < kScoreCount; ++k) {
        rankCells_[k] =
            GridCell(this, QString::number(k + 1), RowCell(4, 21, k), false, Qt::AlignHCenter);
        nameCells_[k] = GridCell(this, QString(), RowCell(24, 157, k), false, Qt::AlignLeft);
        timeCells_[k] = GridCell(this, QString(), RowCell(180, 61, k), false, Qt::AlignRight);
        turnCells_[k] = GridCell(this, QString(), RowCell(240, 61, k), false, Qt::AlignRight);
        dateCells_[k] = GridCell(this, QString(), RowCell(300, 189, k), false, Qt::AlignRight);
    }

    nameBox_ = new QLineEdit(this);
    nameBox_->setGeometry(8, 208, 105, 18);
    nameBox_->setFont(ResultFont(9, false));
    nameBox_->setMaxLength(kLongestName);
    nameBox_->setAccessibleName(tr("名前"));
    nameBox_->setAccessibleDescription(tr("新しい記録に付ける名前"));
    nameBox_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid palette(text); padding: 0px 1px; }"));
    nameBox_->hide();
    connect(nameBox_, &QLineEdit::returnPressed, this, &ScoreWindow::OkClick);
    nameHint_ = new QLabel(this);
    nameHint_->setGeometry(8, 186, 380, 34);
    nameHint_->setFont(ResultFont(9, false));
    nameHint_->setWordWrap(true);
    QPalette yellow = nameHint_->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    nameHint_->setPalette(yellow);
    nameHint_->hide();
    nameBox_->setValidator(new NameValidator(nameHint_, nameBox_));

    ok_ = new OkButton(this, QPoint(396, 184), [this] { OkClick(); });
}

ScoreWindow::~ScoreWindow() = default;

QLabel* ScoreWindow::OkLabel() const { return ok_->Label(); }

void ScoreWindow::Load() {
    sortOrder_ = 0;
    if (afterGame_) {
        const int time = rank_.byTime, turn = rank_.byTurn;
        if (turn && !time) {
            MessageBoxes::Inform(
                this, QCoreApplication::translate("ScoreWindow", "ターン回数が%1位です。")
                          .arg(WideRank(turn)));
            sortOrder_ = 1;
        } else if (time && !turn) {
            MessageBoxes::Inform(
                this, QCoreApplication::translate("ScoreWindow", "ゲーム時間が%1位です。")
                          .arg(WideRank(time)));
        } else if (time && turn) {
            MessageBoxes::Inform(
                this, QCoreApplication::translate("ScoreWindow",
                                                  "ゲーム時間が%1位\nターン回数が%2位です。")
                          .arg(WideRank(time), WideRank(turn)));
            // The order where the result stands lower is shown (time when equal).
            sortOrder_ = turn > time ? 1 : 0;
        }
    }
    SortClick(sortOrder_);
}

void ScoreWindow::SortClick(int index) {
    nameBox_->hide();
    std::array<int, kScoreCount> order{};
    int rank = 0;
    if (index == 0) {
        sortHeaders_[0]->setText(QStringLiteral("Time ▼"));
        sortHeaders_[1]->setText(QStringLiteral("Turn"));
        order = TimeOrder(table_, newRecord_);
        rank = rank_.byTime;
    } else {
        sortHeaders_[0]->setText(QStringLiteral("Time"));
        sortHeaders_[1]->setText(QStringLiteral("Turn ▼"));
        order = TurnOrder(table_);
        rank = rank_.byTurn;
    }
    if (afterGame_ && rank != 0) {
        nameBox_->setGeometry(nameCells_[rank - 1]->geometry());
        // What the player has typed so far survives a change of order.
        if (!nameBoxFilled_) {
            nameBox_->setText(NameFromCp932(table_[order[rank - 1]].name));
            nameBoxFilled_ = true;
        }
        nameBox_->show();
        nameBox_->raise();
        nameBox_->setFocus();
    }
    for (int k = 0; k < kScoreCount; ++k) {
        const ScoreTexts texts = FormatScore(table_[order[k]]);
        nameCells_[k]->setText(NameFromCp932(texts.name));
        timeCells_[k]->setText(TextOf(texts.time));
        turnCells_[k]->setText(TextOf(texts.turn));
        dateCells_[k]->setText(TextOf(texts.date));
    }
    TellRowsToScreenReader(index, order);
}

// A screen reader reads the table a line at a time: every cell of a row is
// named by the whole row in words (a screen reader reads a name once, and
// passes over cells of a word or two), and the two sort headers by the header
// and the order. Numbers are said as numbers, with no colon or slash between.
void ScoreWindow::TellRowsToScreenReader(int index, const std::array<int, kScoreCount>& order) {
    const QString header =
        QCoreApplication::translate("ScoreWindow", "順位 名前 時間 ターン 日付 %1")
            .arg(index == 0 ? QCoreApplication::translate("ScoreWindow", "時間の順")
                            : QCoreApplication::translate("ScoreWindow", "ターンの順"));
    for (QLabel* cell : sortHeaders_) cell->setAccessibleName(header);
    const QLocale locale(CurrentTextLanguage() == TextLanguage::Japanese ? QLocale::Japanese
                                                                         : QLocale::English);
    for (int k = 0; k < kScoreCount; ++k) {
        const SoloScoreRecord& r = table_[order[k]];
        QString name = NameFromCp932(r.name);
        if (order[k] == newRecord_ && afterGame_)
            name = QCoreApplication::translate("ScoreWindow", "新しい記録");
        const QString date =
            locale.toString(QDate(r.year, r.month, r.day),
                            QCoreApplication::translate("ScoreWindow", "yyyy年M月d日",
                                                        "a date for a screen reader"));
        const QString line = QCoreApplication::translate("ScoreWindow", "%1位 %2 %3分%4秒 %5手 %6")
                                 .arg(k + 1)
                                 .arg(name)
                                 .arg(r.playMinutes)
                                 .arg(r.playSeconds)
                                 .arg(r.turns)
                                 .arg(date);
        for (QLabel* cell :
             {rankCells_[k], nameCells_[k], timeCells_[k], turnCells_[k], dateCells_[k]})
            cell->setAccessibleName(line);
    }
}

void ScoreWindow::OkClick() {
    if (afterGame_ && rank_.byTime + rank_.byTurn > 0) {
        const QString name = nameBox_->text();
        if (name.isEmpty()) {
            MessageBoxes::Inform(
                this, QCoreApplication::translate("ScoreWindow", "名前の入力がありません"));
            return;
        }
        QString refused;
        const auto bytes = NameToCp932(name, &refused);
        if (!bytes) {
            MessageBoxes::Inform(this, RefusedNameMessage(refused));
            return;
        }
        table_[newRecord_].name = *bytes;
        while (saveAllowed_) {
            const ScoreFileResult saved = SaveScoreTable(scorePath_, table_);
            if (saved.ok) break;
            if (!MessageBoxes::AskRetry(
                    this,
                    QCoreApplication::translate("ScoreWindow",
                                                "スコアを保存できませんでした。\n%1\n\n"
                                                "もう一度保存するか、保存しないで閉じるかを"
                                                "選んでください。")
                        .arg(QString::fromLocal8Bit(saved.error)),
                    QCoreApplication::translate("ScoreWindow", "保存しないで閉じる"))) {
                reject();  // the player leaves; the file stays as it was
                return;
            }
        }
    }
    accept();
}

bool ScoreWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int index = 0; index < 2; ++index)
            if (watched == sortHeaders_[index] && mouse->button() == Qt::LeftButton &&
                sortHeaders_[index]->rect().contains(mouse->position().toPoint())) {
                SortClick(index);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

ScoreTable LoadScoreTableForPlayer(const std::string& scorePath, QWidget* parent,
                                   bool* saveAllowed) {
    const ScoreLoad load = LoadScoreFile(scorePath);
    const QString file = QFileInfo(QString::fromStdString(scorePath)).fileName();
    if (saveAllowed) *saveAllowed = load.state != ScoreFileState::Damaged;
    if (load.state == ScoreFileState::SetAside) {
        const QString aside = QFileInfo(QString::fromStdString(load.asidePath)).fileName();
        const QString kept =
            load.carried == 0
                ? QCoreApplication::translate(
                      "ScoreWindow", "読み取れる記録がなかったので、新しいスコア表で始めます。")
                : QCoreApplication::translate(
                      "ScoreWindow",
                      "読み取れた %1 件の記録を新しいスコア表に移し、残りは初めの記録で"
                      "埋めました。")
                      .arg(load.carried);
        MessageBoxes::Inform(
            parent,
            QCoreApplication::translate(
                "ScoreWindow", "スコアファイル %1 が壊れていたので %2 という名前で残しました。\n%3")
                .arg(file, aside, kept));
    } else if (load.state == ScoreFileState::Damaged) {
        MessageBoxes::Inform(parent,
                             QCoreApplication::translate(
                                 "ScoreWindow",
                                 "スコアファイル %1 が壊れていて、別の名前で残すこともできません"
                                 "でした。\nファイルはそのままにして、今回の結果は保存しません。")
                                 .arg(file));
    }
    return load.table;
}

void PrepareScoreFile(const std::string& scorePath) {
    RemoveStaleScoreTemporaries(scorePath);
    if (QFileInfo::exists(QString::fromStdString(scorePath))) return;
    const ScoreFileResult created = CreateScoreFile(scorePath);
    if (created.ok) return;
    const QString file = QFileInfo(QString::fromStdString(scorePath)).fileName();
    MessageBoxes::Inform(
        nullptr, QCoreApplication::translate("ScoreWindow",
                                             "スコアファイル %1 を作れませんでした。\n%2\n\n"
                                             "このままでは１人トマベルの結果を保存できません。")
                     .arg(file, QString::fromLocal8Bit(created.error)));
}

void AddNewScore(const SoloScoreRecord& result, const std::string& scorePath, QWidget* parent) {
    bool saveAllowed = true;
    const ScoreTable table = LoadScoreTableForPlayer(scorePath, parent, &saveAllowed);
    const ScorePlacement placement = PlaceNewScore(table, result);
    ScoreWindow window(scorePath, placement.table, placement.newIndex, placement.rank, true,
                       parent);
    window.SetSaveAllowed(saveAllowed);
    window.Load();
    window.exec();
}
