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
#include <QTime>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <utility>

#include "text/Cp932.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"
#include "ui/ResultParts.h"

using namespace ResultParts;

namespace {

constexpr const char* kCodePage = "Shift_JIS";  // Qt's table for it is the Windows CP932 one
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
// digits, in a translation plain digits.
QString WideRank(int rank) {
    if (!SpeaksGameLanguage()) return QString::number(rank);
    return QStringLiteral("\u3000") + CountDigits(rank);
}

QString TextOf(const std::string& utf8) { return QString::fromStdString(utf8); }

// The turns as the player's language writes them: in Japanese as the table
// always had them ("041"), elsewhere the plain count.
QString ShownTurns(const SoloScoreRecord& record, const ScoreTexts& texts) {
    if (CurrentTextLanguage() == kGameLanguage) return TextOf(texts.turn);
    return QString::number(record.turns);
}

// A refused character as the note names it: itself when it shows, its code
// (U+200B) when it shows nothing or would turn the note's own text around.
// Codes stand apart from their neighbours; a right-to-left letter is isolated, so
// it cannot reorder the sentence around it.
QString ShownRefused(const QString& refused) {
    QString shown;
    bool lastWasCode = false;
    for (const char32_t c : refused.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        const bool invisible =
            !QChar::isPrint(c) || QChar::isSpace(c) || category == QChar::Mark_NonSpacing ||
            category == QChar::Mark_Enclosing || category == QChar::Mark_SpacingCombining;
        if (invisible) {
            if (!shown.isEmpty()) shown += u' ';
            shown += QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QChar(u'0')).toUpper();
        } else {
            if (lastWasCode) shown += u' ';
            const QChar::Direction direction = QChar::direction(c);
            if (direction == QChar::DirR || direction == QChar::DirAL)
                shown += QChar(0x2068) + QString::fromUcs4(&c, 1) + QChar(0x2069);
            else
                shown += QString::fromUcs4(&c, 1);
        }
        lastWasCode = invisible;
    }
    return shown;
}

QString RefusedNameMessage(const QString& refused) {
    return QCoreApplication::translate(
               "ScoreWindow", "「%1」は名前に使えない文字です。\nほかの文字で入力してください。")
        .arg(ShownRefused(refused));
}

QString LongNameMessage() {
    return QCoreApplication::translate("ScoreWindow",
                                       "名前は%1文字までです。\nそれより後の文字は入りません。")
        .arg(CountDigits(kLongestName));
}

// Nothing a name shows: control and format characters, line and paragraph separators.
bool IsControlOrFormat(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

// The name box takes any letter: a name CP932 cannot hold is kept exactly beside
// the table, and the table itself gets its Latin spelling. What is no letter at all
// (a control or format character) is refused on the spot (the whole paste with it)
// and the window says which; the JIS forms turn into CP932's before the player's
// eyes, so the name saved is the name seen. A name that grows past the box's limit
// (in characters, an emoji being one) is cut at the end of what came in, and the
// window says so.
class NameValidator : public QValidator {
public:
    NameValidator(std::function<void(const QString&)> refused,
                  std::function<void(const QString&)> cut, QObject* parent)
        : QValidator(parent), refused_(std::move(refused)), cut_(std::move(cut)) {}
    State validate(QString& input, int& position) const override {
        input = Cp932::WindowsForms(input);
        QString refused;
        if (!NameToCp932(input, &refused)) {
            refused_(refused);
            return Invalid;
        }
        std::u32string characters = input.toStdU32String();
        if (characters.size() > static_cast<std::size_t>(kLongestName)) {
            // What came in ends at the cursor: its last characters are the ones that go.
            const std::size_t excess = characters.size() - kLongestName;
            const std::size_t cursor = input.left(position).toStdU32String().size();
            const std::size_t from =
                cursor < excess ? 0 : std::min<std::size_t>(cursor - excess, kLongestName);
            characters.erase(from, excess);
            input = QString::fromStdU32String(characters);
            position =
                static_cast<int>(QString::fromStdU32String(characters.substr(0, from)).size());
            cut_(input);
        }
        return Acceptable;
    }

private:
    std::function<void(const QString&)> refused_;
    std::function<void(const QString&)> cut_;
};

}  // namespace

std::optional<std::string> NameToCp932(const QString& name, QString* refused) {
    QString unwanted;
    for (const char32_t c : Cp932::WindowsForms(name).toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (IsControlOrFormat(c) && !unwanted.contains(one)) unwanted += one;
    }
    if (unwanted.isEmpty()) {
        if (const std::optional<QByteArray> bytes = Cp932::Encode(name))
            return bytes->toStdString();
        return Cp932::Transliterate(name, CurrentTextLanguage(), kLongestNameBytes).toStdString();
    }
    if (refused) *refused = unwanted;  // in the order they come in the name
    return std::nullopt;
}

std::string ExactName(const QString& name) {
    if (name.isEmpty() || Cp932::Encode(name)) return {};
    return name.toStdString();
}

QString ShownName(const SoloScoreRecord& record) {
    if (!record.exactName.empty()) return QString::fromStdString(record.exactName);
    return NameFromCp932(record.name);
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
    // The limit is the validator's, so that it can tell the player when it cuts.
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
    nameBox_->setValidator(
        new NameValidator([this](const QString& refused) { NameRefused(refused); },
                          [this](const QString& kept) { NameCut(kept); }, nameBox_));
    connect(nameBox_, &QLineEdit::textEdited, this, &ScoreWindow::NameEdited);

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
    // The sorting headers are English in the game's own table; a translation
    // gives them in its language. The arrow marks the order shown.
    const QString time = QCoreApplication::translate("ScoreWindow", "Time");
    const QString turn = QCoreApplication::translate("ScoreWindow", "Turn");
    const QString sorted = QStringLiteral(" ▼");
    if (index == 0) {
        sortHeaders_[0]->setText(time + sorted);
        sortHeaders_[1]->setText(turn);
        order = TimeOrder(table_, newRecord_);
        rank = rank_.byTime;
    } else {
        sortHeaders_[0]->setText(time);
        sortHeaders_[1]->setText(turn + sorted);
        order = TurnOrder(table_);
        rank = rank_.byTurn;
    }
    if (afterGame_ && rank != 0) {
        nameBox_->setGeometry(nameCells_[rank - 1]->geometry());
        // What the player has typed so far survives a change of order.
        if (!nameBoxFilled_) {
            nameBox_->setText(ShownName(table_[order[rank - 1]]));
            nameBoxFilled_ = true;
        }
        nameBox_->show();
        nameBox_->raise();
        nameBox_->setFocus();
    }
    for (int k = 0; k < kScoreCount; ++k) {
        const SoloScoreRecord& record = table_[order[k]];
        const ScoreTexts texts = FormatScore(record);
        nameCells_[k]->setText(ShownName(record));
        timeCells_[k]->setText(TextOf(texts.time));
        turnCells_[k]->setText(ShownTurns(record, texts));
        dateCells_[k]->setText(ShownDate(texts.date));
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
    const QLocale locale(CurrentTextLanguage());
    for (int k = 0; k < kScoreCount; ++k) {
        const SoloScoreRecord& r = table_[order[k]];
        // The name as the row shows it (the exact one the player typed, where kept).
        QString name = nameCells_[k]->text();
        if (order[k] == newRecord_ && afterGame_)
            name = QCoreApplication::translate("ScoreWindow", "新しい記録");
        const QString date =
            locale.toString(QDate(r.year, r.month, r.day),
                            QCoreApplication::translate("ScoreWindow", "yyyy年M月d日",
                                                        "a date for a screen reader"));
        // One arg() for all: a name with "%1" in it stays as typed.
        const QString line =
            QCoreApplication::translate("ScoreWindow", "%1位 %2 %3分%4秒 %5手 %6")
                .arg(QString::number(k + 1), name, QString::number(r.playMinutes),
                     QString::number(r.playSeconds), QString::number(r.turns), date);
        for (QLabel* cell :
             {rankCells_[k], nameCells_[k], timeCells_[k], turnCells_[k], dateCells_[k]})
            cell->setAccessibleName(line);
    }
}

void ScoreWindow::NameRefused(const QString& refused) {
    refused_ = refused;
    refusalPending_ = true;
    nameHint_->setText(RefusedNameMessage(refused));
    nameHint_->show();
    // A player who does not see the note hears it.
    Accessibility::Announce(nameHint_, nameHint_->text());
}

void ScoreWindow::NameCut(const QString& kept) {
    cutName_ = kept;
    nameHint_->setText(LongNameMessage());
    nameHint_->show();
    Accessibility::Announce(nameHint_, nameHint_->text());
}

// A refused letter's note outlasts the keys typed after it: a quick typist would
// otherwise never see that "Jürgen" became "Jrgen". It goes once "O.K" has shown
// the player why it did not save (they have seen the name as it stands), or when
// the box is emptied to start again. The note on a cut name goes with the next change.
void ScoreWindow::NameEdited(const QString& text) {
    if (!cutName_.isNull() && text == cutName_) return;
    cutName_ = QString();
    if (text.isEmpty()) refusalPending_ = false;
    if (refusalPending_)
        nameHint_->setText(RefusedNameMessage(refused_));
    else
        nameHint_->hide();
}

bool ScoreWindow::ResultAwaitsName() const {
    return afterGame_ && rank_.byTime + rank_.byTurn > 0 && saveAllowed_;
}

void ScoreWindow::reject() {
    if (ResultAwaitsName() &&
        !MessageBoxes::AskYesNo(
            this, QCoreApplication::translate("ScoreWindow", "記録を保存せずに閉じますか？")))
        return;
    QDialog::reject();
}

void ScoreWindow::OkClick() {
    if (afterGame_ && rank_.byTime + rank_.byTurn > 0) {
        if (refusalPending_) {
            // Said once in a box, which the player cannot miss; the note stays
            // under the table until the name changes.
            refusalPending_ = false;
            MessageBoxes::Inform(this, RefusedNameMessage(refused_));
            nameBox_->setFocus();
            return;
        }
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
        table_[newRecord_].exactName = ExactName(name);
        while (saveAllowed_) {
            // Into the table as it is now: another copy of the game may have
            // saved a result into it since this window opened.
            const ScoreSave save = SaveNewScore(scorePath_, table_[newRecord_]);
            TellHowTheTableWasFound(save.found, scorePath_, this);
            const ScoreFileResult& saved = save.saved;
            if (saved.ok && save.placement.placed) {
                table_ = save.placement.table;
                newRecord_ = save.placement.newIndex;
            } else if (saved.ok) {
                MessageBoxes::Inform(
                    this, QCoreApplication::translate(
                              "ScoreWindow",
                              "この結果を保存する前に、ほかのゲームのもっと良い結果が"
                              "保存されました。\n今回の結果は１０位までに入らなくなりました。"));
            }
            if (saved.ok) break;
            if (!MessageBoxes::AskRetry(
                    this,
                    QCoreApplication::translate("ScoreWindow",
                                                "スコアを保存できませんでした。\n%1\n\n"
                                                "もう一度保存するか、保存しないで閉じるかを"
                                                "選んでください。")
                        .arg(QString::fromLocal8Bit(saved.error)),
                    QCoreApplication::translate("ScoreWindow", "保存しないで閉じる"))) {
                QDialog::reject();  // the player chose to leave; the file stays as it was
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

void TellHowTheTableWasFound(const ScoreLoad& load, const std::string& scorePath, QWidget* parent) {
    const QString file = QFileInfo(QString::fromStdString(scorePath)).fileName();
    if (load.state == ScoreFileState::SetAside) {
        const QString aside = QFileInfo(QString::fromStdString(load.asidePath)).fileName();
        const QString kept =
            load.carried == 0
                ? QCoreApplication::translate(
                      "ScoreWindow", "読み取れる記録がなかったので、新しいスコア表で始めます。")
                : QCoreApplication::translate(
                      "ScoreWindow",
                      "読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で"
                      "埋めました。",
                      nullptr, load.carried);
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
}

ScoreTable LoadScoreTableForPlayer(const std::string& scorePath, QWidget* parent,
                                   bool* saveAllowed) {
    const ScoreLoad load = LoadScoreFile(scorePath);
    if (saveAllowed) *saveAllowed = load.state != ScoreFileState::Damaged;
    TellHowTheTableWasFound(load, scorePath, parent);
    return load.table;
}

void PrepareScoreFile(const std::string& scorePath) {
    RemoveStaleScoreTemporaries(scorePath);
    const ScoreFileResult created = EnsureScoreFile(scorePath);
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
