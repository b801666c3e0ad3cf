// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// fAbout: the icon, the title lettering, the version, the home page and mail
// address and a credit line on a blue gradient. Without an owner it is the
// splash shown while the game starts; from the menu it is the about box.
// A click almost anywhere closes it; the two links open instead.
#pragma once

#include <QDialog>
#include <QPainter>
#include <QUrl>
#include <functional>

class QLabel;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // nullptr: the splash, centred on the screen; otherwise centred on `owner`.
    explicit AboutBox(QWidget* owner);

    static const QString kHomePage;
    static const QString kMailAddress;

    // How a link is handed to the desktop; false when nothing could open it.
    // Tests replace it so that no browser or mail program starts.
    static void SetOpenLinkHook(std::function<bool(const QUrl&)> hook);

    QLabel* HomePageLink() const { return homePage_; }
    QLabel* MailLink() const { return mail_; }
    QLabel* VersionLabel() const { return version_; }
    QLabel* CreditLabel() const { return credit_; }
    QLabel* IconPicture() const { return icon_; }
    QLabel* TitlePicture() const { return title_; }
    // The name in Latin letters beside the version: outside Japanese only (else null).
    QLabel* EnglishName() const { return englishName_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Lets events run: the message box when a link cannot be opened.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawGradient(QPainter& painter);
    void SetLinkColour(QLabel* link, const QColor& colour);
    // Lets events run: the message box when nothing can open the link.
    void OpenLink(QLabel* link);

    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* homePage_ = nullptr;
    QLabel* mail_ = nullptr;
    QLabel* credit_ = nullptr;
    QLabel* englishName_ = nullptr;
    bool closeArmed_ = false;
};
