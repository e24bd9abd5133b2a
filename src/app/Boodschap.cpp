#include "app/Boodschap.h"

#include "base/FontFit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace vonu {

namespace {

// The layout figures count the dialog's height with its frame: a caption bar
// and borders of 34 pixels together. Keeping that allowance fixed gives the
// same client-area layout on every platform.
constexpr int FrameAllowance = 34;
constexpr int LineLeft = 48;
constexpr int LineTop = 2;
constexpr int LineStep = 12;
constexpr int LineHeight = 13;
constexpr int ButtonWidth = 63;
constexpr int ButtonHeight = 21;
constexpr int ButtonTopFromBottom = 62;
// Tekst9 down to Tekst3 may give up their space; Tekst0..Tekst2 never do.
constexpr int FirstShrinkableLine = 3;

// Left positions of Knop1..Knopn for n used buttons.
constexpr int ButtonLefts[4][4] = {
    {112, 0, 0, 0},
    {80, 152, 0, 0},
    {40, 112, 184, 0},
    {8, 80, 152, 224},
};

} // namespace

TMelding::TMelding(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Melding"));
    setWindowTitle(QStringLiteral("Melding"));
    setModal(true);

    // The lines are 12 pixels apart; the font must fit that pitch.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("Icoon"));
    icon_->setGeometry(8, 8, 32, 32);
    icon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(32, 32));

    for (int i = 0; i < LineCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Tekst%1").arg(i));
        label->setGeometry(LineLeft, LineTop + i * LineStep, InitialClientWidth - LineLeft - 4, LineHeight);
        label->setTextFormat(Qt::PlainText);
        tekst_[size_t(i)] = label;
    }

    for (int n = 1; n <= ButtonCount; ++n) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Knop%1").arg(n));
        button->setGeometry(ButtonLefts[3][n - 1], InitialClientHeight + FrameAllowance - ButtonTopFromBottom,
                            ButtonWidth, ButtonHeight);
        button->setVisible(false);
        connect(button, &QPushButton::clicked, this, [this, button] { buttonPressed(button); });
        knop_[size_t(n - 1)] = button;
    }

    setFixedSize(InitialClientWidth, InitialClientHeight);
}

void TMelding::fill(const MessageRequest& request)
{
    setWindowTitle(request.caption);
    for (int i = 0; i < LineCount; ++i)
        tekst_[size_t(i)]->setText(i < request.lines.size() ? request.lines.at(i) : QString());
    for (int n = 0; n < ButtonCount; ++n)
        knop_[size_t(n)]->setText(n < request.buttons.size() ? request.buttons.at(n) : QString());
}

void TMelding::prepare()
{
    int used = 0;
    for (QPushButton* button : knop_) {
        button->setVisible(!button->text().isEmpty());
        if (!button->isHidden())
            ++used;
    }
    fitTextFont();
    const int width = clientWidth();
    for (QLabel* label : tekst_)
        label->resize(width - LineLeft - 4, label->height());

    // Positions go to Knop1..Knopn in order, whichever buttons carry captions;
    // a widened dialog keeps them centred.
    const int shift = (width - InitialClientWidth) / 2;
    for (int n = 0; n < used; ++n)
        knop_[size_t(n)]->move(ButtonLefts[used - 1][n] + shift, knop_[size_t(n)]->y());

    int height = InitialClientHeight;
    for (int i = LineCount - 1; i >= FirstShrinkableLine && tekst_[size_t(i)]->text().isEmpty(); --i)
        height -= LineStep;
    setFixedSize(width, height);

    const int buttonTop = height + FrameAllowance - ButtonTopFromBottom;
    for (QPushButton* button : knop_)
        button->move(button->x(), buttonTop);

    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), QSize(width, height + FrameAllowance));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMelding::fitTextFont()
{
    // The lines keep their fixed width and 12-pixel step; the platform's
    // default font is wider and taller than the one they were laid out for,
    // so the lines get the largest size at which every text is whole.
    const int available = InitialClientWidth - LineLeft - 4;
    QList<std::pair<QString, int>> texts;
    for (const QLabel* label : tekst_)
        texts.append({label->text(), available});
    const QFont font = fittingFont(this->font(), texts, 5.5, LineHeight + 2);
    for (QLabel* label : tekst_)
        label->setFont(font);
}

int TMelding::clientWidth() const
{
    // A line that does not fit even at the smallest size (a long file name
    // in a message) would be cut off unread: the dialog then grows to show
    // it whole, as far as the screen allows.
    int widest = 0;
    for (const QLabel* label : tekst_)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()));
    int width = std::max(InitialClientWidth, LineLeft + widest + 4);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        width = std::min(width, std::max(InitialClientWidth, screen->availableGeometry().width() - 40));
    return width;
}

int TMelding::pressedButton() const
{
    for (int n = 1; n <= ButtonCount; ++n) {
        if (!knop(n)->isEnabled())
            return n;
    }
    return 0;
}

int TMelding::dialogHeight() const
{
    return height() + FrameAllowance;
}

void TMelding::showEvent(QShowEvent* event)
{
    prepare();
    QDialog::showEvent(event);
}

void TMelding::buttonPressed(QPushButton* button)
{
    button->setEnabled(false);
    accept();
}

int MeldingMessageDialog::show(const MessageRequest& request)
{
    TMelding dialog(parent_);
    dialog.fill(request);
    dialog.exec();
    return dialog.pressedButton();
}

} // namespace vonu
