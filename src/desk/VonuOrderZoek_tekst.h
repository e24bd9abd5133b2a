#pragma once
// The standard text list of one kind and its editor: pick a text, or add,
// change and remove texts of that kind. Both screens keep their window
// placement per user.

#include "desk/StandardTexts.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vonu {

class IMessageDialog;

// Window placement of a screen per user (APC_Leesscherm / APC_Schrijfscherm).
void readPlacement(DbSession& db, const QString& user, QWidget& screen);
void writePlacement(DbSession& db, const QString& user, const QWidget& screen);

class TVonuOrderZoek_tekstscherm : public QDialog {
    Q_OBJECT
public:
    TVonuOrderZoek_tekstscherm(DbSession& db, IMessageDialog& messages, QChar type, const QString& admNr,
                               QWidget* parent = nullptr);

    // Shows the list of `type` modally; the chosen text, or nullopt.
    static std::optional<StandardText> choose(DbSession& db, IMessageDialog& messages, QChar type,
                                              const QString& admNr, QWidget* parent = nullptr);

    void select();
    void toevoegen();
    void wijzigen();
    void verwijderen();
    bool reload();

    QTableWidget* list() const { return list_; }
    QPushButton* selekteren() const { return selekteren_; }
    std::optional<StandardText> chosen() const { return chosen_; }
    const std::vector<StandardText>& texts() const { return texts_; }
    // The editor, while open (tests fill and close it).
    std::function<bool(StandardText&, bool isNew)> edit;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DbSession& db_;
    StandardTexts library_;
    IMessageDialog& messages_;
    QChar type_;
    QString admNr_;
    std::vector<StandardText> texts_;
    std::optional<StandardText> chosen_;
    QTableWidget* list_ = nullptr;
    QPushButton* selekteren_ = nullptr;
};

class TVonuOrderStandaardTekst1scherm : public QDialog {
    Q_OBJECT
public:
    TVonuOrderStandaardTekst1scherm(StandardText& text, bool isNew, const QString& admNr, QWidget* parent = nullptr);
    // Writes the fields into the text (Ok).
    void apply();

    std::vector<QLineEdit*> fields;   // one per line of the kind (none for remarks)
    QPlainTextEdit* memo = nullptr;   // remarks for the confirmation

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StandardText& text_;
    QPushButton* ok_ = nullptr;
};

} // namespace vonu
