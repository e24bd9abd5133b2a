#pragma once
// The settings screen of customer mode: whether orders are sent by e-mail and
// how the SMTP server is reached. There is no cancel: every way of closing
// keeps the edits, and the settings are written afterwards.

#include "base/LocalSettings.h"
#include "base/LocalSettingsStore.h"
#include "base/Platform.h"

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vonu {

class TVonuOrderInstellingscherm final : public QDialog {
    Q_OBJECT
public:
    explicit TVonuOrderInstellingscherm(const LocalSettings& settings, QWidget* parent = nullptr);

    // The settings as edited, with the main screen's current position.
    LocalSettings edited(const QPoint& mainScreenTopLeft) const;
    // Tells in the status bar that no keychain answers, so the password is
    // kept readable in the settings file.
    void sayPasswordInFile();
    QString statusText() const;

    QFrame* K_EmailVerzenden;
    QCheckBox* EmailVerzenden;
    QLineEdit* EmailAdres;
    QLineEdit* ServerNaam;
    QLineEdit* ServerPoort;
    QLineEdit* ServerGebruiker;
    QLineEdit* ServerWachtwoord;
    QPushButton* Ok;
    QStatusBar* StatusBar;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintEmailVerzendenFrame(bool focused);

    LocalSettings original_;
    QList<QWidget*> fields_; // Enter order
    QLabel* status_ = nullptr;
};

// Runs the settings screen modally and then stores the edited settings with
// the main screen's position (its frame's top left, QWidget::pos()) through
// `store`. `settings` takes the edited values even when writing fails; that
// failure is shown as a "Fout" message and returns false.
bool runSettingsScreen(LocalSettings& settings, LocalSettingsStore& store, const QPoint& mainScreenTopLeft,
                       IMessageDialog& messages, QWidget* parent = nullptr);

// Stores the settings through `store`. A keychain that refuses the password
// is told as a "Waarschuwing" (the password is then in the file); a file that
// cannot be written is left to the caller, with the reason in *error.
bool storeSettings(LocalSettingsStore& store, const LocalSettings& settings, IMessageDialog& messages,
                   QString* error);

} // namespace vonu
