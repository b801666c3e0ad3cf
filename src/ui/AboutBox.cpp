// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AboutBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

#include "ui/Language.h"
#include "ui/Look.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"

const QString AboutBox::kHomePage = QStringLiteral("https://tomavel.example.org/");
const QString AboutBox::kMailAddress = QStringLiteral("tomavel@example.org");

namespace {

constexpr int kWidth = 392, kHeight = 241;
const QColor kWhite(255, 255, 255);
const QColor kFrameColour(128, 128, 255);
const QRect kFrameRect(96, 132, 285, 81);

QString NoProgramMessage() {
    return QCoreApplication::translate("AboutBox", "関連づけられた実行ファイルがありません");
}

// The box whose link is being opened: told when the desktop fails it later.
QPointer<QWidget> linkOwner;

// The desktop's opener, xdg-open, says by how it ends whether anything opened
// the link: on a desktop with no browser or mail program it ends with an error
// at once, though it started. It may also take its time (a browser started from
// it keeps it waiting until it is closed), so the game listens for its end
// instead of waiting for it. Without xdg-open, Qt's own way is the only one.
bool OpenWithDesktop(const QUrl& url) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    // Not a child of the box: closing the box must not end the browser.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({QString::fromUtf8(url.toEncoded())});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, owner = linkOwner](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status == QProcess::NormalExit && code == 0) return;
                         MessageBoxes::Inform(owner, NoProgramMessage());
                     });
    process->start();
    if (process->waitForStarted()) return true;
    delete process;
    return false;
}
std::function<bool(const QUrl&)> openLink = OpenWithDesktop;

QLabel* TextLabel(QWidget* parent, const QRect& rect, const QString& text, double points) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(LayoutFont(kRoundGothic, points));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kWhite);
    label->setPalette(palette);
    return label;
}

QLabel* PictureLabel(QWidget* parent, const QRect& rect, const QPixmap& picture) {
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setScaledContents(true);
    label->setPixmap(picture);
    return label;
}

}  // namespace

void AboutBox::SetOpenLinkHook(std::function<bool(const QUrl&)> hook) {
    openLink = hook ? std::move(hook) : OpenWithDesktop;
}

AboutBox::AboutBox(QWidget* owner)
    // As a splash it has no owner; a tool window keeps it off the taskbar.
    : QDialog(owner, (owner ? Qt::Dialog : Qt::Tool) | Qt::MSWindowsFixedSizeDialogHint |
                         Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    // Closing the splash early must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The bands of blue cover the whole box: nothing needs filling under them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString());
    setFixedSize(kWidth, kHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(palette);
    setMouseTracking(true);

    icon_ = PictureLabel(this, {4, 4, 112, 120}, PictureStore::AboutBoxIcon(devicePixelRatioF()));
    title_ = PictureLabel(
        this, {112, 8, 270, 102},
        PictureStore::ForRatio(PictureStore::Picture(PicSet::title, 0), devicePixelRatioF()));
    version_ = TextLabel(this, {236, 112, 145, 21}, QStringLiteral("Ver 2001.11"), 15.75);
    // The lettering spells the name in Japanese; a player who reads English gets
    // it in Latin letters beside the version, and a title for the window.
    if (CurrentTextLanguage() != kGameLanguage) {
        englishName_ = TextLabel(this, {112, 112, 120, 21}, tr("トマベル"), 15.75);
        englishName_->setFont(LayoutFont(kRoundGothic, 15.75, true));
        englishName_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setWindowTitle(tr("このアプリケーションについて"));
    }
    // The captions are English in the game's own box; a translation's may be
    // longer, and its label widens to the right to hold it.
    QLabel* homeCaption = TextLabel(this, {108, 136, 92, 16},
                                    QCoreApplication::translate("AboutBox", "Home Page"), 12);
    homePage_ = TextLabel(this, {108, 152, 268, 16}, kHomePage, 12);
    QLabel* mailCaption =
        TextLabel(this, {108, 172, 32, 16}, QCoreApplication::translate("AboutBox", "Mail"), 12);
    for (QLabel* caption : {homeCaption, mailCaption}) {
        const int needs = QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 1;
        caption->resize(std::max(caption->width(), needs), caption->height());
    }
    mail_ = TextLabel(this, {108, 188, 198, 16}, kMailAddress, 12);
    credit_ = TextLabel(
        this, {12, 216, 364, 16},
        QCoreApplication::translate("AboutBox", "Copyright (C) 2001 トマベル工房  Have fun!"), 12);
    for (QLabel* link : {homePage_, mail_}) {
        link->setMouseTracking(true);
        link->setCursor(PictureStore::Cursor(3));
        link->installEventFilter(this);
        // The keyboard reaches the links too: Tab goes to them, Space or Return opens them.
        link->setFocusPolicy(Qt::StrongFocus);
    }
    // Names for a screen reader: the box has no caption, the pictures no text.
    setAccessibleName(tr("このアプリケーションについて"));
    icon_->setAccessibleName(tr("トマベルのアイコン"));
    title_->setAccessibleName(tr("トマベル"));
    homePage_->setAccessibleName(tr("ホームページ %1").arg(kHomePage));
    mail_->setAccessibleName(tr("メール %1").arg(kMailAddress));

    if (owner) {
        move(owner->window()->frameGeometry().center() - rect().center());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

// Seventeen bands of blue, each a little darker than the one above; every
// band starts one pixel above its place so that no seam shows between them.
// Drawn straight onto the box at every painting: seventeen rectangles cost less
// than a picture of the whole box kept beside it.
void AboutBox::DrawGradient(QPainter& painter) {
    painter.fillRect(rect(), QColor(0, 0, 255));
    painter.setPen(Qt::NoPen);
    const int band = kHeight / 16;
    for (int y = 0; y <= kHeight; y += band) {
        painter.setBrush(QColor(0, 0, 255 - y * 255 / kHeight));
        // From (-1, y - 1) to (W, y + S), right and bottom edges not included.
        painter.drawRect(QRect(QPoint(-1, y - 1), QPoint(kWidth - 1, y + band - 1)));
    }
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawGradient(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrameColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(kFrameRect).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

// Presses on the pictures and the plain texts arrive here too, as they do not
// take the mouse themselves: all of them close the box.
void AboutBox::mousePressEvent(QMouseEvent* event) {
    closeArmed_ = true;
    event->accept();
}

void AboutBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool armed = closeArmed_;
    closeArmed_ = false;
    event->accept();
    if (armed && rect().contains(event->position().toPoint())) close();
}

// Only the background itself turns the links white again; moving over the
// other texts and pictures leaves them as they are.
void AboutBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint()) != nullptr) return;
    SetLinkColour(homePage_, kWhite);
    SetLinkColour(mail_, kWhite);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link != homePage_ && link != mail_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove:
            SetLinkColour(link, kYellow);
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
                return QDialog::eventFilter(watched, event);
            OpenLink(link);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            closeArmed_ = false;
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                link->rect().contains(mouse->position().toPoint()))
                OpenLink(link);
            return true;
        }
        default:
            return QDialog::eventFilter(watched, event);
    }
}

void AboutBox::SetLinkColour(QLabel* link, const QColor& colour) {
    QPalette palette = link->palette();
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    link->setPalette(palette);
}

// The address is handed to whatever the desktop opens web pages and mail
// with; the box stays open either way. When nothing can open it, even after
// the desktop took it, the player is told.
void AboutBox::OpenLink(QLabel* link) {
    const QUrl url =
        link == mail_ ? QUrl(QStringLiteral("mailto:") + link->text()) : QUrl(link->text());
    linkOwner = this;
    if (!openLink(url)) MessageBoxes::Inform(this, NoProgramMessage());
}
