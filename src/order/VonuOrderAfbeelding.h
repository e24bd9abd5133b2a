#pragma once
// The product picture beside the main screen: shown while a mouse button is
// held on a row number, scaled to fit its 265 x 265 client area.

#include <QRect>
#include <QSize>
#include <QWidget>

class QLabel;

namespace vonu {

class TVonuOrderAfbeeldingscherm : public QWidget {
    Q_OBJECT
public:
    static constexpr int Client = 265;
    static constexpr int Vak = 260;  // the largest picture side shown

    explicit TVonuOrderAfbeeldingscherm(QWidget* parent = nullptr);

    // The folder of the pictures (with its separator at the end); the file
    // is this folder and the caption after "Afbeelding ".
    void setFolder(const QString& folder);
    QString folder() const { return folder_; }
    // "Afbeelding " + the picture's file name.
    static QString captionFor(const QString& fileName);
    QString fileName() const;

    // Loads the picture of the caption and shows the window.
    void showPicture();

    // Where a picture of this size is drawn: larger pictures are scaled
    // down to 260 on their longer side, then centred.
    static QRect pictureRect(QSize picture);

    QLabel* image() const { return image_; }
    QLabel* missing() const { return missing_; }

private:
    QString folder_;
    QLabel* image_;
    QLabel* missing_;
};

} // namespace vonu
