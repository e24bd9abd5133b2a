#include "order/VonuOrderAfbeelding.h"

#include "base/FileNames.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Afbeelding";
const char* const CaptionVoor = "Afbeelding ";
const char* const NietBeschikbaar = "Afbeelding niet beschikbaar";
} // namespace Tekst

} // namespace

TVonuOrderAfbeeldingscherm::TVonuOrderAfbeeldingscherm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("VonuOrderAfbeeldingscherm"));
    setWindowTitle(QString::fromUtf8(Tekst::Caption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(Client, Client);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Afbeelding"));
    image_->setScaledContents(true);
    missing_ = new QLabel(QString::fromUtf8(Tekst::NietBeschikbaar), this);
    missing_->setObjectName(QStringLiteral("NietBeschikbaar"));
    missing_->setAlignment(Qt::AlignCenter);
    missing_->setGeometry(0, 0, Client, Client);
    missing_->hide();
}

void TVonuOrderAfbeeldingscherm::setFolder(const QString& folder)
{
    folder_ = folder;
    setToolTip(folder);
}

QString TVonuOrderAfbeeldingscherm::captionFor(const QString& fileName)
{
    return QString::fromUtf8(Tekst::CaptionVoor) + fileName;
}

QString TVonuOrderAfbeeldingscherm::fileName() const
{
    return (folder_ + windowTitle().mid(11)).trimmed();
}

QRect TVonuOrderAfbeeldingscherm::pictureRect(QSize picture)
{
    int w = picture.width();
    int h = picture.height();
    if (w > Vak || h > Vak) {
        const double factor = double(std::max(w, h)) / Vak;
        w = int(w / factor);
        h = int(h / factor);
    }
    return QRect(3 + (Vak - w) / 2, (Vak - h) / 2, w, h);
}

void TVonuOrderAfbeeldingscherm::showPicture()
{
    // A picture that is missing or cannot be read shows the same notice;
    // the order screen goes on either way.
    // The catalog names a picture inside the picture folder; a name with a
    // folder in it ("../../x.png") shows nothing rather than any file.
    QPixmap picture;
    const QString file = fileName();
    if (isPlainFileName(windowTitle().mid(11).trimmed()) && QFileInfo(file).isFile())
        picture = QPixmap(file);
    const bool shown = !picture.isNull();
    image_->setVisible(shown);
    missing_->setVisible(!shown);
    if (shown) {
        image_->setPixmap(picture);
        image_->setGeometry(pictureRect(picture.size()));
    } else {
        image_->clear();
    }
    show();
}

} // namespace vonu
