// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message boxes as a player meets them: Qt's standard buttons in
// Japanese, a box centred on the game even when its parent window has not come
// up yet, and the retry box that offers a way out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "ui/Language.h"
#include "ui/MessageBoxes.h"

namespace {

QMessageBox* OpenBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

QString ButtonText(QMessageBox& box, QMessageBox::StandardButton which) {
    return box.button(which)->text().remove(QLatin1Char('&'));
}

// Runs `look` on the box once it is up (from inside its own event loop), then closes it.
void WhenTheBoxIsUp(std::function<void(QMessageBox&)> look) {
    QTimer::singleShot(0, [look] {
        QMessageBox* box = OpenBox();
        ASSERT_NE(box, nullptr);
        look(*box);
    });
}

}  // namespace

TEST(MessageBoxes, StandardButtonsReadAsOnAJapaneseDesktop) {
    QTranslator* translator = MessageBoxes::InstallQtTexts(QStringLiteral("ja"));
    ASSERT_NE(translator, nullptr) << "qtbase_ja is missing (Debian package qt6-translations-l10n)";
    QMessageBox box(QMessageBox::Question, QStringLiteral("トマベル"), QStringLiteral("やめる？？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel |
                        QMessageBox::Retry);
    EXPECT_TRUE(ButtonText(box, QMessageBox::Yes).startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(ButtonText(box, QMessageBox::No).startsWith(QStringLiteral("いいえ")));
    EXPECT_EQ(ButtonText(box, QMessageBox::Ok), QStringLiteral("OK"));
    EXPECT_EQ(ButtonText(box, QMessageBox::Cancel), QStringLiteral("キャンセル"));
    EXPECT_EQ(ButtonText(box, QMessageBox::Retry), QStringLiteral("再試行"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// A translated game has Qt's own buttons in its language too.
TEST(MessageBoxes, StandardButtonsReadInTheGamesLanguage) {
    struct Case {
        const char* language;
        QString yes, cancel;
    };
    const Case cases[] = {
        {"de", "Ja", "Abbrechen"},
        {"fr", "Oui", "Annuler"},
        {"pl", "Tak", "Anuluj"},
        {"pt_BR", "Sim", "Cancelar"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(InstallTextLanguage(QString::fromLatin1(c.language))) << c.language;
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::Cancel);
        EXPECT_EQ(ButtonText(box, QMessageBox::Yes), c.yes) << c.language;
        EXPECT_EQ(ButtonText(box, QMessageBox::Cancel), c.cancel) << c.language;
    }
    RemoveTextLanguage();
}

TEST(MessageBoxes, WithoutTheTranslationFileTheButtonsKeepQtsEnglish) {
    EXPECT_EQ(MessageBoxes::InstallQtTexts(QStringLiteral("ja"), QStringLiteral("/nonexistent")),
              nullptr);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    EXPECT_EQ(ButtonText(box, QMessageBox::Yes), QStringLiteral("Yes"));
}

TEST(MessageBoxes, ABoxFromAWindowNotYetShownIsCentredOnTheGame) {
    QWidget game;
    game.setGeometry(300, 200, 640, 420);
    game.show();
    QDialog loading(&game);  // a window that tells its news before it shows
    loading.resize(496, 225);
    QPoint centre;
    WhenTheBoxIsUp([&](QMessageBox& box) {
        centre = box.frameGeometry().center();
        box.accept();
    });
    MessageBoxes::Inform(&loading, QStringLiteral("ゲーム時間が　１位です。"));
    EXPECT_LE((centre - game.frameGeometry().center()).manhattanLength(), 8)
        << centre.x() << "," << centre.y();
}

TEST(MessageBoxes, TheRetryBoxOffersBothWaysAndNeitherEscNorTheCloseBoxChooses) {
    for (const bool retry : {true, false}) {
        WhenTheBoxIsUp([&](QMessageBox& box) {
            QAbstractButton* leave = nullptr;
            for (QAbstractButton* b : box.buttons())
                if (b->text() == QStringLiteral("保存しないで閉じる")) leave = b;
            ASSERT_NE(leave, nullptr);
            ASSERT_NE(box.button(QMessageBox::Retry), nullptr);
            EXPECT_EQ(box.buttons().size(), 2);
            QTest::keyClick(&box, Qt::Key_Escape);
            box.close();
            ASSERT_TRUE(box.isVisible());
            (retry ? box.button(QMessageBox::Retry) : leave)->click();
        });
        EXPECT_EQ(MessageBoxes::AskRetry(nullptr, QStringLiteral("保存できませんでした。"),
                                         QStringLiteral("保存しないで閉じる")),
                  retry);
    }
}
