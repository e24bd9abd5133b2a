#pragma once
// `Artikelnummers` (customer mode): the grid screen over the profile's and
// the local file's numbers, then, when changed, the article-numbers file
// and its mail. Created once by the program; connects itself to the button.

#include "files/MailSettings.h"

#include <QObject>

#include <functional>

namespace vonu {

class TVonuOrderArtikelnummerscherm;
class TVonuOrderscherm;

class ArtikelnummerActie : public QObject {
    Q_OBJECT
public:
    explicit ArtikelnummerActie(TVonuOrderscherm& screen, QObject* parent = nullptr);

    // The customer article list of the order lines (article codes from entry
    // 0 up to the first empty one). Unset: read from the profile for the
    // address chosen in `Ordervoor`.
    std::function<QStringList()> customerArticleList;
    // Shows the screen modally; tests replace it to type into the grid.
    std::function<void(TVonuOrderArtikelnummerscherm&)> runScreen;

    void artikelnummers();

    // "\Artikelnummers_" + profile name + ".Xml" in the working folder.
    QString fileName() const;

private:
    TVonuOrderscherm& screen_;
};

} // namespace vonu
