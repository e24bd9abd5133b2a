#pragma once
// `Verzenden` in customer mode: the order file with its sent stamp, the sent
// copy under \Verzonden and the mail with that copy to the order mailbox;
// without e-mail a print and a save. Created once by the program beside the
// main screen; connects itself to the button.

#include "files/MailSettings.h"

#include <QObject>

#include <functional>

namespace vonu {

class OrderFileActions;
class TVonuOrderscherm;

class OrderVerzenden : public QObject {
    Q_OBJECT
public:
    // printOverview prints the order overview (the reports above this folder
    // provide it); a customer without e-mail sends on paper.
    OrderVerzenden(TVonuOrderscherm& screen, OrderFileActions& files, std::function<bool()> printOverview,
                   QObject* parent = nullptr);

    // True when the order went out (or, without e-mail, was printed and saved).
    bool verzenden();

    // The sent copy's path for a stamp.
    QString sentCopyPath(const QString& stamp) const;

private:
    TVonuOrderscherm& screen_;
    OrderFileActions& files_;
    std::function<bool()> printOverview_;
};

} // namespace vonu
